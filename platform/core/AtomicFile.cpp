#include "platform/core/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr int kMostAttempts = 8;

bool writeAll(int descriptor, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool sameFile(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Whether `name` still names the file open at `descriptor`: a sweeping
// writer may have removed it between mkstemp and the lock.
bool stillNamed(int descriptor, const char* name) {
    struct stat opened {
    }, named{};
    return ::fstat(descriptor, &opened) == 0 && ::lstat(name, &named) == 0 && sameFile(opened, named);
}

// A fresh temporary file beside `path`, locked for as long as it is open;
// its name goes to `name`. -1 when none could be made.
int createLockedTemporary(const std::filesystem::path& path, std::vector<char>& name) {
    const std::string pattern = path.string() + ".XXXXXX";
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        name.assign(pattern.begin(), pattern.end());
        name.push_back('\0');
        const int descriptor = mkostemp(name.data(), O_CLOEXEC);
        if (descriptor < 0) return -1;
        if (::flock(descriptor, LOCK_EX) == 0 && stillNamed(descriptor, name.data())) return descriptor;
        ::close(descriptor);
    }
    errno = EAGAIN;
    return -1;
}

// Makes the rename itself durable.
void syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

bool looksLikeTemporaryOf(const std::string& entry, const std::string& fileName) {
    constexpr size_t kSuffixLength = 6;
    if (entry.size() != fileName.size() + 1 + kSuffixLength || entry.compare(0, fileName.size(), fileName) != 0 ||
        entry[fileName.size()] != '.')
        return false;
    for (size_t i = fileName.size() + 1; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Removes `candidate` when it is a private file of this user that no live
// writer holds: a writer's lock goes with its process.
void removeIfAbandoned(const std::filesystem::path& candidate) {
    const int descriptor = ::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return;
    struct stat info {};
    const bool ours = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::getuid() &&
                      (info.st_mode & 077) == 0;
    if (ours && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && stillNamed(descriptor, candidate.c_str()))
        ::unlink(candidate.c_str());
    ::close(descriptor);
}

}  // namespace

void removeStaleTemporaries(const std::filesystem::path& path) {
    const std::string fileName = path.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entries(path.parent_path().empty() ? "." : path.parent_path(), error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (looksLikeTemporaryOf(entries->path().filename().string(), fileName)) removeIfAbandoned(entries->path());
    }
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode,
                         StaleTemporaries stale) {
    if (stale == StaleTemporaries::remove) removeStaleTemporaries(path);
    std::vector<char> name;
    const int descriptor = createLockedTemporary(path, name);
    if (descriptor < 0) return false;
    const bool done = ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, contents) && ::fsync(descriptor) == 0 &&
                      std::rename(name.data(), path.c_str()) == 0;
    const int failure = errno;
    if (done)
        syncFolder(path.parent_path());
    else
        ::unlink(name.data());
    // Closing gives up the lock, once the file is renamed or gone.
    ::close(descriptor);
    errno = failure;
    return done;
}

}  // namespace platform
