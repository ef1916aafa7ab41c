#include "crypto/Md5.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/OpenSslReference.h"

namespace {

TEST(Md5, TestSuiteOfRfc1321) {
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
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
