#include "fuzz/FuzzSupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

#include "platform/text/Utf16.h"
#include "tests/support/PrivateHome.h"

namespace fuzz_support {

void invariantFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant does not hold: %s\n", file, line, condition);
    std::abort();
}

const std::filesystem::path& privateHome() {
    static const std::filesystem::path home = [] {
        std::filesystem::path made = enterPrivateHome("nelvo-fuzz");
        if (made.empty()) std::abort();
        return made;
    }();
    return home;
}

std::string textOf(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

bool isValidUtf8(const std::string& text) {
    return platform::utf8FromUtf16(platform::utf16FromUtf8(text)) == text;
}

bool writeFile(const std::filesystem::path& path, const std::string& contents) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (file < 0) return false;
    bool written = ::fchmod(file, 0600) == 0;
    for (size_t done = 0; written && done < contents.size();) {
        const ssize_t count = ::write(file, contents.data() + done, contents.size() - done);
        written = count > 0;
        if (written) done += static_cast<size_t>(count);
    }
    return ::close(file) == 0 && written;
}

}  // namespace fuzz_support
