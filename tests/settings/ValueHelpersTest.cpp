// The hexadecimal forms and the control-character filter.
#include "settings/ValueHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
constexpr unsigned char kUntouched = 0xA5;

// myitoa into a buffer with room to spare, to see what it writes past 2n.
std::string hexOf(const Bytes& bytes) {
    std::string buffer(2 * bytes.size() + 4, static_cast<char>(kUntouched));
    myitoa(bytes.data(), buffer.data(), static_cast<uint32_t>(bytes.size()));
    EXPECT_EQ(buffer.substr(2 * bytes.size() + 1), std::string(3, static_cast<char>(kUntouched)));
    return buffer.substr(0, buffer.find('\0'));
}

// myatoi of n characters of `text` (terminated as callers' texts are),
// giving every byte written including the terminator.
Bytes bytesOf(const std::string& text, uint32_t n) {
    Bytes buffer((n + 1) / 2 + 4, kUntouched);
    myatoi(text.c_str(), buffer.data(), n);
    const size_t written = (n + 1) / 2 + 1;
    EXPECT_EQ(Bytes(buffer.begin() + static_cast<long>(written), buffer.end()), Bytes(3, kUntouched)) << text;
    return Bytes(buffer.begin(), buffer.begin() + static_cast<long>(written));
}

TEST(Myitoa, WritesUpperCaseDigitsHighHalfFirst) {
    EXPECT_EQ(hexOf({0x00, 0x7F, 0xFF, 0xAB}), "007FFFAB");
    EXPECT_EQ(hexOf({}), "");
}

TEST(Myatoi, DecodesUpperCaseDigitsAndOtherCharactersByTheSameRule) {
    // Lower case is right only in the high place: 'f' is 47, 32 too many.
    EXPECT_EQ(bytesOf("ff", 2), Bytes({0x1F, 0x00}));
    EXPECT_EQ(bytesOf("aA", 2), Bytes({0xAA, 0x00}));
    EXPECT_EQ(bytesOf("", 0), Bytes({0x00}));
    // Only the first n characters count.
    EXPECT_EQ(bytesOf("4142FF", 4), Bytes({0x41, 0x42, 0x00}));
    // An odd count pairs the last digit with the terminator (value -48).
    EXPECT_EQ(bytesOf("ABC", 3), Bytes({0xAB, 0x90, 0x00}));
}

std::string replaced(std::string text, int64_t length) {
    ReplaceSpaceCode(reinterpret_cast<unsigned char*>(text.data()), length);
    return text;
}

TEST(ReplaceSpaceCode, TurnsControlCharactersAndQuotesOfTheFirstLengthBytesIntoSpaces) {
    const std::string text = "a\rb\nc\td\"e";
    EXPECT_EQ(replaced(text, static_cast<int64_t>(text.size())), "a b c\td e");

    EXPECT_EQ(replaced(std::string("\x01\x1f", 2), 2), "  ");
    const std::string kept("\x00\x09\x7f\x80\xff !'~", 9);
    EXPECT_EQ(replaced(kept, 9), kept);
    // Only the first `length` bytes change.
    EXPECT_EQ(replaced("\r\r\r", 2), "  \r");
    EXPECT_EQ(replaced("\r\r", -1), "\r\r");
}

}  // namespace
