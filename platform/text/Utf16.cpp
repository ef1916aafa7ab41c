#include "platform/text/Utf16.h"

#include <iconv.h>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace platform {
namespace {

constexpr const char* kUtf16Native = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One iconv descriptor for the length of one conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and UTF-16");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in` (units of `unitSize` bytes) into raw output bytes; an
    // invalid unit is replaced by `replacement` (already in the output
    // encoding) and skipped.
    std::string run(const char* in, std::size_t inBytes, std::size_t unitSize, const std::string& replacement) {
        std::string out;
        std::vector<char> buffer(4096);
        while (inBytes > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            char* inPtr = const_cast<char*>(in);
            const std::size_t result = iconv(cd_, &inPtr, &inBytes, &outPtr, &outLeft);
            const int error = errno;
            out.append(buffer.data(), buffer.size() - outLeft);
            in = inPtr;
            if (result != static_cast<std::size_t>(-1)) break;
            if (error == E2BIG) continue;
            out += replacement;
            if (error == EINVAL) break;  // cut-off sequence at the end
            const std::size_t skip = inBytes < unitSize ? inBytes : unitSize;
            in += skip;
            inBytes -= skip;
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::u16string utf16FromUtf8(const std::string& text) {
    static_assert(sizeof(char16_t) == 2);
    const char16_t replacementUnit = u'\uFFFD';
    const std::string replacement(reinterpret_cast<const char*>(&replacementUnit), sizeof replacementUnit);
    const std::string bytes = Converter(kUtf16Native, "UTF-8").run(text.data(), text.size(), 1, replacement);
    std::u16string result(bytes.size() / 2, u'\0');
    std::memcpy(result.data(), bytes.data(), result.size() * 2);
    return result;
}

std::string utf8FromUtf16(const std::u16string& text) {
    return Converter("UTF-8", kUtf16Native)
        .run(reinterpret_cast<const char*>(text.data()), text.size() * 2, 2, "\xEF\xBF\xBD");
}

std::size_t utf16Length(const std::string& text) {
    return utf16FromUtf8(text).size();
}

std::size_t utf16CharacterEnd(std::u16string_view text, std::size_t index) {
    if (index >= text.size()) return text.size();
    const bool pair = isHighSurrogate(text[index]) && index + 1 < text.size() && isLowSurrogate(text[index + 1]);
    return index + (pair ? 2 : 1);
}

std::size_t utf16CharacterStart(std::u16string_view text, std::size_t index) {
    if (index == 0) return 0;
    index = std::min(index, text.size());
    const bool pair = index >= 2 && isLowSurrogate(text[index - 1]) && isHighSurrogate(text[index - 2]);
    return index - (pair ? 2 : 1);
}

}  // namespace platform
