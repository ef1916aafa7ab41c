#include "platform/core/TextConversion.h"

#include <iconv.h>
#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

// iconv's name for an encoding; Mac Japanese stands as Shift JIS.
const char* iconvName(NSStringEncoding encoding) {
    switch (encoding) {
        case NSASCIIStringEncoding: return "ASCII";
        case NSUTF8StringEncoding: return "UTF-8";
        case NSISOLatin1StringEncoding: return "ISO-8859-1";
        case NSShiftJISStringEncoding: return "SHIFT_JIS";
        case NSWindowsCP1252StringEncoding: return "CP1252";
        case NSMacOSRomanStringEncoding: return "MACINTOSH";
        default: return nullptr;
    }
}

// One iconv conversion descriptor, closed when it goes.
class Converter {
public:
    Converter(const char* to, const char* from)
        : handle_(to && from ? iconv_open(to, from) : reinterpret_cast<iconv_t>(-1)) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the longest convertible prefix of `input` into `output`;
    // answers whether all of it converted.
    bool convert(const char* input, size_t length, std::string& output) {
        output.clear();
        if (!valid()) return false;
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> chunk(4 * length + 16);
        char* in = const_cast<char*>(input);
        size_t inLeft = length;
        while (true) {
            char* out = chunk.data();
            size_t outLeft = chunk.size();
            const size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(chunk.data(), chunk.size() - outLeft);
            if (result != static_cast<size_t>(-1)) break;
            if (errno != E2BIG) return false;
        }
        char* out = chunk.data();
        size_t outLeft = chunk.size();
        const bool flushed = iconv(handle_, nullptr, nullptr, &out, &outLeft) != static_cast<size_t>(-1);
        output.append(chunk.data(), chunk.size() - outLeft);
        return flushed;
    }

private:
    iconv_t handle_;
};

// The code points of a UTF-8 text, up to the first invalid sequence.
std::vector<char32_t> codePoints(const std::string& text) {
    Converter toUtf32("UTF-32LE", "UTF-8");
    std::string utf32;
    toUtf32.convert(text.data(), text.size(), utf32);
    std::vector<char32_t> points;
    points.reserve(utf32.size() / 4);
    for (size_t i = 0; i + 4 <= utf32.size(); i += 4) {
        char32_t point = 0;
        for (size_t k = 0; k < 4; ++k)
            point |= static_cast<char32_t>(static_cast<unsigned char>(utf32[i + k])) << (8 * k);
        points.push_back(point);
    }
    return points;
}

std::string utf32Bytes(char32_t point) {
    std::string bytes(4, '\0');
    for (size_t k = 0; k < 4; ++k)
        bytes[k] = static_cast<char>((point >> (8 * k)) & 0xFF);
    return bytes;
}

}  // namespace

std::optional<std::string> stringFromBytes(const void* bytes, size_t length, NSStringEncoding encoding) {
    Converter toUtf8("UTF-8", iconvName(encoding));
    if (!toUtf8.valid()) return std::nullopt;
    std::string text;
    if (!toUtf8.convert(static_cast<const char*>(bytes), length, text)) return std::nullopt;
    return text;
}

size_t getBytes(const std::string& text, NSStringEncoding encoding, char* buffer, const ByteConversion& limits) {
    Converter fromUtf32(iconvName(encoding), "UTF-32LE");
    if (!fromUtf32.valid() || !buffer) return 0;
    size_t written = 0;
    size_t characters = 0;
    std::string encoded;
    for (const char32_t point : codePoints(text)) {
        characters += point > 0xFFFF ? 2 : 1;
        if (characters > limits.maxCharacters) break;
        const std::string source = utf32Bytes(point);
        if (!fromUtf32.convert(source.data(), source.size(), encoded)) {
            if (!limits.lossByte) break;
            encoded.assign(1, *limits.lossByte);
        }
        if (written + encoded.size() > limits.maxBytes) break;
        std::memcpy(buffer + written, encoded.data(), encoded.size());
        written += encoded.size();
    }
    return written;
}

}  // namespace platform
