#include "crypto/Base64.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/OpenSslReference.h"

namespace {

std::string encode(const Bytes& bytes, int& result) {
    std::string text(static_cast<size_t>(Base64encode_len(static_cast<int>(bytes.size()))), '\x7f');
    result = Base64encode(text.data(), bytes.data(), static_cast<int>(bytes.size()));
    return text.c_str();
}

// Decodes into a buffer of exactly the size that Base64decode_len asks for.
Bytes decode(const std::string& text) {
    Bytes plain(static_cast<size_t>(Base64decode_len(text.c_str())), 0x7f);
    const int count = Base64decode(plain.data(), text.c_str());
    EXPECT_LT(static_cast<size_t>(count), plain.size());
    EXPECT_EQ(plain[static_cast<size_t>(count)], 0) << "no terminator after " << text;
    plain.resize(static_cast<size_t>(count));
    return plain;
}

Bytes bytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

TEST(Base64, MatchesOpenSslAndRoundTripsForEveryLength) {
    Bytes everyByte(256);
    for (size_t i = 0; i < everyByte.size(); ++i)
        everyByte[i] = static_cast<unsigned char>(i);
    std::vector<Bytes> inputs = {everyByte};
    for (size_t length = 0; length <= 64; ++length)
        inputs.push_back(nonZeroBytes(length));

    for (const Bytes& bytes : inputs) {
        int result = 0;
        const std::string text = encode(bytes, result);
        EXPECT_EQ(text, referenceBase64(bytes));
        EXPECT_EQ(result, static_cast<int>(text.size()) + 1);
        EXPECT_EQ(result, Base64encode_len(static_cast<int>(bytes.size())));
        EXPECT_EQ(decode(text), bytes) << text;
    }
}

TEST(Base64, DecodingStopsAtTheFirstCharacterOutsideTheAlphabet) {
    EXPECT_EQ(decode("TWFu\nTWFu"), bytesOf("Man"));
    EXPECT_EQ(decode("TWE=TWFu"), bytesOf("Ma"));
    EXPECT_EQ(decode("TWFu-TWFu"), bytesOf("Man"));
    for (const char* none : {"", "=TWFu", "\r\nTWFu", " TWFu"}) {
        EXPECT_EQ(Base64decode_len(none), 1);
        EXPECT_TRUE(decode(none).empty()) << none;
    }
}

TEST(Base64, DecodingUnpaddedRunsOfAnyLength) {
    // "Many hands make light work" without padding, cut after every character:
    // a lone trailing character carries too few bits and gives no byte.
    const std::string full = "TWFueSBoYW5kcyBtYWtlIGxpZ2h0IHdvcms";
    const std::string clear = "Many hands make light work";
    for (size_t count = 0; count <= full.size(); ++count) {
        const size_t expected = count / 4 * 3 + (count % 4 > 1 ? count % 4 - 1 : 0);
        EXPECT_EQ(decode(full.substr(0, count)), bytesOf(clear.substr(0, expected))) << count;
    }
}

}  // namespace
