#include "platform/defaults/KeptAside.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

namespace defaults {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSuffix = ".corrupt";

fs::path copyName(const fs::path& file, int number) {
    std::string name = file.string() + kSuffix;
    if (number > 0) name += "." + std::to_string(number);
    return name;
}

// The number of the copy named `entry`: 0 for ".corrupt", N for ".corrupt.N";
// -1 when it is no copy of `fileName`.
int copyNumber(const std::string& entry, const std::string& fileName) {
    const std::string stem = fileName + kSuffix;
    if (entry.compare(0, stem.size(), stem) != 0) return -1;
    if (entry.size() == stem.size()) return 0;
    if (entry[stem.size()] != '.') return -1;
    const char* first = entry.data() + stem.size() + 1;
    const char* last = entry.data() + entry.size();
    int number = 0;
    const auto [end, error] = std::from_chars(first, last, number);
    return first != last && error == std::errc() && end == last && number > 0 ? number : -1;
}

// The earlier copies of `file`, oldest first: the store numbers each new
// copy after the ones there.
std::vector<std::pair<int, fs::path>> earlierCopies(const fs::path& file) {
    std::vector<std::pair<int, fs::path>> copies;
    std::error_code error;
    const std::string fileName = file.filename().string();
    fs::directory_iterator entries(file.parent_path(), error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const int number = copyNumber(entries->path().filename().string(), fileName);
        if (number >= 0) copies.emplace_back(number, entries->path());
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

}  // namespace

bool keepAside(const fs::path& file) {
    std::vector<std::pair<int, fs::path>> copies = earlierCopies(file);
    std::error_code error;
    constexpr size_t kEarlierKept = kMostKeptAside - 1;
    const size_t dropped = copies.size() > kEarlierKept ? copies.size() - kEarlierKept : 0;
    for (size_t i = 0; i < dropped; ++i)
        fs::remove_all(copies[i].second, error);
    copies.erase(copies.begin(), copies.begin() + static_cast<std::ptrdiff_t>(dropped));
    // Each copy moves down to a number no copy after it holds.
    int next = 0;
    for (const auto& [number, path] : copies) {
        if (number != next) fs::rename(path, copyName(file, next), error);
        if (error) return false;
        ++next;
    }
    fs::rename(file, copyName(file, next), error);
    return !error;
}

}  // namespace defaults
