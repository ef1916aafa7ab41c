#include "host/CommandLineText.h"

#include <iconv.h>
#include <langinfo.h>
#include <cerrno>
#include <optional>
#include <vector>

#include "platform/text/Utf16.h"

namespace host {

namespace {

// Invalid sequences become U+FFFD on the way through UTF-16.
std::string withReplacementCharacters(const std::string& bytes) {
    return platform::utf8FromUtf16(platform::utf16FromUtf8(bytes));
}

bool isValidUtf8(const std::string& bytes) {
    return withReplacementCharacters(bytes) == bytes;
}

std::optional<std::string> convertedToUtf8(const std::string& bytes, const char* codeset) {
    const iconv_t converter = iconv_open("UTF-8", codeset);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::vector<char> input(bytes.begin(), bytes.end());
    std::vector<char> output(bytes.size() * 4 + 4);
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
    return std::string(output.data(), out);
}

}  // namespace

std::string utf8FromCommandLine(const std::string& bytes, const char* codeset) {
    if (isValidUtf8(bytes)) return bytes;
    if (std::optional<std::string> converted = convertedToUtf8(bytes, codeset); converted && isValidUtf8(*converted))
        return *converted;
    return withReplacementCharacters(bytes);
}

std::string utf8FromCommandLine(const std::string& bytes) {
    return utf8FromCommandLine(bytes, nl_langinfo(CODESET));
}

}  // namespace host
