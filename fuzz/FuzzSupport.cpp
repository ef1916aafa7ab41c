#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

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

void writeFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << contents;
}

}  // namespace fuzz_support
