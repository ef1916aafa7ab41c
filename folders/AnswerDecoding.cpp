#include "folders/AnswerDecoding.h"

#include <iconv.h>

#include <cerrno>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

namespace folders {
namespace {

using namespace std::string_view_literals;

struct ByteOrderMark {
    std::string_view bytes;
    const char* encoding;
};

// The four-byte marks come first: UTF-32LE begins like UTF-16LE.
constexpr ByteOrderMark kByteOrderMarks[] = {
    {"\x00\x00\xFE\xFF"sv, "UTF-32BE"}, {"\xFF\xFE\x00\x00"sv, "UTF-32LE"}, {"\xEF\xBB\xBF"sv, "UTF-8"},
    {"\xFE\xFF"sv, "UTF-16BE"},         {"\xFF\xFE"sv, "UTF-16LE"},
};

constexpr const char* kDefaultEncoding = "UTF-8";

// XML's form of an encoding name; it also keeps iconv's own suffixes
// ("//IGNORE", "//TRANSLIT") out of a name that the device chose.
bool isEncodingName(std::string_view name) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.empty() || !letter(name.front())) return false;
    for (const char c : name)
        if (!letter(c) && !digit(c) && c != '.' && c != '_' && c != '-') return false;
    return true;
}

// The encoding that the XML declaration at the start names: UTF-8 without a
// declaration or without an encoding in it; none for a declaration that
// cannot be read. The declaration is ASCII in every encoding that can be
// read without a byte order mark.
std::optional<std::string> declaredEncoding(std::string_view text) {
    const bool hasDeclaration = text.substr(0, 5) == "<?xml" && text.size() > 5 &&
                                std::string_view(" \t\r\n").find(text[5]) != std::string_view::npos;
    if (!hasDeclaration) return kDefaultEncoding;
    const size_t end = text.find("?>");
    if (end == std::string_view::npos) return std::nullopt;
    pugi::xml_document declaration;
    if (!declaration.load_buffer(text.data(), end + 2, pugi::parse_declaration | pugi::parse_fragment,
                                 pugi::encoding_utf8))
        return std::nullopt;
    const pugi::xml_attribute encoding = declaration.first_child().attribute("encoding");
    if (!encoding) return kDefaultEncoding;
    if (!isEncodingName(encoding.value())) return std::nullopt;
    return std::string(encoding.value());
}

class Decoder {
public:
    explicit Decoder(const std::string& from) : handle_(iconv_open("UTF-8", from.c_str())) {}
    ~Decoder() {
        if (valid()) iconv_close(handle_);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // All of `bytes` as UTF-8, or none at the first byte that does not
    // decode, or when the bytes end inside a character.
    std::optional<std::string> decode(std::string_view bytes) {
        std::string text;
        std::vector<char> chunk(64 * 1024);
        char* in = const_cast<char*>(bytes.data());
        size_t inLeft = bytes.size();
        for (bool flushing = false;; flushing = inLeft == 0) {
            char* out = chunk.data();
            size_t outLeft = chunk.size();
            const size_t result = flushing ? iconv(handle_, nullptr, nullptr, &out, &outLeft)
                                           : iconv(handle_, &in, &inLeft, &out, &outLeft);
            text.append(chunk.data(), chunk.size() - outLeft);
            if (result == static_cast<size_t>(-1) && errno != E2BIG) return std::nullopt;
            if (result != static_cast<size_t>(-1) && flushing) return text;
        }
    }

private:
    iconv_t handle_;
};

}  // namespace

std::optional<std::string> answerAsUtf8(const std::string& bytes) {
    std::string_view text = bytes;
    std::optional<std::string> encoding;
    for (const ByteOrderMark& mark : kByteOrderMarks)
        if (text.substr(0, mark.bytes.size()) == mark.bytes) {
            encoding = mark.encoding;
            text.remove_prefix(mark.bytes.size());
            break;
        }
    if (!encoding) encoding = declaredEncoding(text);
    if (!encoding) return std::nullopt;
    Decoder decoder(*encoding);
    if (!decoder.valid()) return std::nullopt;
    return decoder.decode(text);
}

}  // namespace folders
