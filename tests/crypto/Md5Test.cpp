#include "crypto/Md5.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/OpenSslReference.h"

namespace {

// The digest's text form; the digest itself is checked against OpenSSL below.
TEST(Md5, WritesTheDigestAsLowerCaseHexWithATerminator) {
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    };
    for (const auto& [text, digest] : suite) {
        char output[33];
        std::fill(std::begin(output), std::end(output), 'x');
        calcMD5(output, text);
        EXPECT_STREQ(output, digest) << '"' << text << '"';
    }
    calcMD5(nullptr, "abc");
}

TEST(Md5, MatchesOpenSslAcrossBlockBoundariesAndAlignments) {
    // Lengths around 56 and 64 bytes change how the padding and the bit
    // length are laid out; an odd start offset reads the words unaligned.
    const Bytes data = nonZeroBytes(1 + 300);
    for (size_t offset : {0, 1}) {
        for (size_t length = 0; length <= 300; ++length) {
            uint8_t digest[16];
            md5Digest(data.data() + offset, length, digest);
            EXPECT_EQ(Bytes(digest, digest + 16), referenceMd5(data.data() + offset, length))
                << "length " << length << ", offset " << offset;
        }
    }
}

}  // namespace
