#include "platform/core/TextConversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct DecodingCase {
    const char* what;
    std::string bytes;
    NSStringEncoding encoding;
    std::optional<std::string> text;
};

const DecodingCase kDecodingCases[] = {
    {"Shift JIS", "\x93\xfa\x96\x7b", NSShiftJISStringEncoding, "日本"},
    {"Shift JIS half-width katakana", "\xb1", NSShiftJISStringEncoding, "ｱ"},
    {"Windows-1252 euro and ligature", "\x80\x9c", NSWindowsCP1252StringEncoding, "€œ"},
    {"ISO Latin 1", "caf\xe9", NSISOLatin1StringEncoding, "café"},
    {"Mac Roman", "\x8a\xa5", NSMacOSRomanStringEncoding, "ä•"},
    {"UTF-8", "\xc3\xa9", NSUTF8StringEncoding, "é"},
    {"empty bytes give the empty text", "", NSUTF8StringEncoding, ""},
    {"invalid UTF-8", "a\xff", NSUTF8StringEncoding, std::nullopt},
    {"truncated UTF-8", "a\xc3", NSUTF8StringEncoding, std::nullopt},
    {"a lone Shift JIS lead byte", "a\x81", NSShiftJISStringEncoding, std::nullopt},
    {"a byte above 127 in ASCII", "a\x80", NSASCIIStringEncoding, std::nullopt},
    {"an unknown encoding", "abc", 99, std::nullopt},
};

TEST(StringFromBytes, DecodesEachEncodingAndRefusesInvalidBytes) {
    for (const DecodingCase& test : kDecodingCases)
        EXPECT_EQ(platform::stringFromBytes(test.bytes.data(), test.bytes.size(), test.encoding), test.text)
            << test.what;
}

struct EncodingCase {
    const char* what;
    std::string text;
    NSStringEncoding encoding;
    platform::ByteConversion limits;
    std::string bytes;
};

constexpr size_t kRoomy = 64;

platform::ByteConversion limits(size_t maxBytes, size_t maxCharacters = SIZE_MAX,
                                std::optional<char> lossByte = std::nullopt) {
    return {maxBytes, maxCharacters, lossByte};
}

const EncodingCase kEncodingCases[] = {
    {"byte limit", "abcdef", NSASCIIStringEncoding, limits(4), "abcd"},
    {"a character that would not fit whole is left out", "aé", NSUTF8StringEncoding, limits(2), "a"},
    {"a double-byte character at the byte limit", "日本", NSShiftJISStringEncoding, limits(3), "\x93\xfa"},
    {"character limit", "abcdef", NSASCIIStringEncoding, limits(kRoomy, 3), "abc"},
    {"characters beyond the BMP count two", "a😀b", NSUTF8StringEncoding, limits(kRoomy, 2), "a"},
    {"a surrogate pair fits in two", "a😀b", NSUTF8StringEncoding, limits(kRoomy, 3), "a\xf0\x9f\x98\x80"},
    {"accented letters count one", "éé", NSUTF8StringEncoding, limits(kRoomy, 1), "\xc3\xa9"},
    {"a loss byte stands for each unconvertible character", "aé€b", NSASCIIStringEncoding,
     limits(kRoomy, SIZE_MAX, '?'), "a??b"},
    {"without a loss byte the first unconvertible character stops", "aé€b", NSASCIIStringEncoding,
     limits(kRoomy), "a"},
    {"Shift JIS", "日本a", NSShiftJISStringEncoding, limits(kRoomy), "\x93\xfa\x96\x7b" "a"},
    {"Windows-1252", "€Œ", NSWindowsCP1252StringEncoding, limits(kRoomy), "\x80\x8c"},
    {"the euro is not ISO Latin 1", "é€", NSISOLatin1StringEncoding, limits(kRoomy), "\xe9"},
    {"Mac Roman", "ä•", NSMacOSRomanStringEncoding, limits(kRoomy), "\x8a\xa5"},
    {"an unknown encoding writes nothing", "abc", 99, limits(kRoomy), ""},
    {"invalid UTF-8 ends the text", "ab\xff" "cd", NSASCIIStringEncoding, limits(kRoomy), "ab"},
};

TEST(GetBytes, StopsAtTheByteAndCharacterLimitsAndAtUnconvertibleCharacters) {
    for (const EncodingCase& test : kEncodingCases) {
        std::string buffer(kRoomy + 1, '#');
        const size_t written = platform::getBytes(test.text, test.encoding, buffer.data(), test.limits);
        EXPECT_EQ(buffer.substr(0, written), test.bytes) << test.what;
        // No terminator and nothing past the bytes written.
        EXPECT_EQ(buffer.substr(written), std::string(kRoomy + 1 - written, '#')) << test.what;
    }
}

}  // namespace
