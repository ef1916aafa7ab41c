#include "platform/core/TextConversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace {

TEST(StringFromBytes, DecodesEachEncodingAndRefusesInvalidBytes) {
    const std::tuple<const char*, std::string, NSStringEncoding, std::optional<std::string>> cases[] = {
        {"Shift JIS", "\x93\xfa\x96\x7b", NSShiftJISStringEncoding, "日本"},
        {"Windows-1252 euro and ligature", "\x80\x9c", NSWindowsCP1252StringEncoding, "€œ"},
        {"ISO Latin 1", "caf\xe9", NSISOLatin1StringEncoding, "café"},
        {"Mac Roman", "\x8a\xa5", NSMacOSRomanStringEncoding, "ä•"},
        {"empty bytes give the empty text", "", NSUTF8StringEncoding, ""},
        {"truncated UTF-8", "a\xc3", NSUTF8StringEncoding, std::nullopt},
        {"a byte above 127 in ASCII", "a\x80", NSASCIIStringEncoding, std::nullopt},
        {"an unknown encoding", "abc", 99, std::nullopt},
    };
    for (const auto& [what, bytes, encoding, text] : cases)
        EXPECT_EQ(platform::stringFromBytes(bytes.data(), bytes.size(), encoding), text) << what;
}

constexpr size_t kRoomy = 64;

platform::ByteConversion limits(size_t maxBytes, size_t maxCharacters = SIZE_MAX,
                                std::optional<char> lossByte = std::nullopt) {
    return {maxBytes, maxCharacters, lossByte};
}

TEST(GetBytes, StopsAtTheByteAndCharacterLimitsAndAtUnconvertibleCharacters) {
    const std::tuple<const char*, std::string, NSStringEncoding, platform::ByteConversion, std::string> cases[] = {
        {"byte limit", "abcdef", NSASCIIStringEncoding, limits(4), "abcd"},
        {"a character that would not fit whole is left out", "aé", NSUTF8StringEncoding, limits(2), "a"},
        {"characters beyond the BMP count two", "a😀b", NSUTF8StringEncoding, limits(kRoomy, 2), "a"},
        {"a surrogate pair fits in two", "a😀b", NSUTF8StringEncoding, limits(kRoomy, 3), "a\xf0\x9f\x98\x80"},
        {"accented letters count one", "éé", NSUTF8StringEncoding, limits(kRoomy, 1), "\xc3\xa9"},
        {"a loss byte stands for each unconvertible character", "aé€b", NSASCIIStringEncoding,
         limits(kRoomy, SIZE_MAX, '?'), "a??b"},
        {"without a loss byte the first unconvertible character stops", "aé€b", NSASCIIStringEncoding, limits(kRoomy),
         "a"},
        {"the euro is not ISO Latin 1", "é€", NSISOLatin1StringEncoding, limits(kRoomy), "\xe9"},
        {"an unknown encoding writes nothing", "abc", 99, limits(kRoomy), ""},
        {"invalid UTF-8 ends the text",
         "ab\xff"
         "cd",
         NSASCIIStringEncoding, limits(kRoomy), "ab"},
    };
    for (const auto& [what, text, encoding, limit, bytes] : cases) {
        std::string buffer(kRoomy + 1, '#');
        const size_t written = platform::getBytes(text, encoding, buffer.data(), limit);
        EXPECT_EQ(buffer.substr(0, written), bytes) << what;
        // No terminator and nothing past the bytes written.
        EXPECT_EQ(buffer.substr(written), std::string(kRoomy + 1 - written, '#')) << what;
    }
}

}  // namespace
