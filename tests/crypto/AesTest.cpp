#include "crypto/Aes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/support/OpenSslReference.h"

namespace {

// Written out here rather than taken from kFixedAesKey, so a wrong key fails.
const unsigned char kFixedKey[16] = {0x5c, 0x19, 0xe2, 0x70, 0x8a, 0x3d, 0x41, 0xf6,
                                     0x0b, 0x97, 0xc4, 0x2e, 0x6d, 0x88, 0x13, 0xa5};
constexpr unsigned char kUntouched = 0xa5;

// A zero-terminated text of `length` bytes in a buffer of exactly that size,
// so that reading past its terminator trips the address sanitizer.
Bytes textOf(size_t length) {
    Bytes text = nonZeroBytes(length);
    text.push_back(0);
    return text;
}

// Every 16 bytes enciphered by themselves, the last ones padded with zero bytes.
Bytes expectedCipher(const Bytes& text, size_t outputSize) {
    Bytes cipher;
    for (size_t offset = 0; offset + 1 < text.size() && offset + 16 <= outputSize; offset += 16) {
        const Bytes block(text.begin() + offset, text.begin() + std::min(offset + 16, text.size() - 1));
        const Bytes enciphered = referenceAesBlock(kFixedKey, block, true);
        cipher.insert(cipher.end(), enciphered.begin(), enciphered.end());
    }
    cipher.resize(outputSize, 0);
    return cipher;
}

TEST(AesEncrypt, EnciphersEveryBlockByItselfWithZeroPaddingAndClearsTheRest) {
    for (size_t length : {0, 1, 15, 16, 17, 32, 33, 100}) {
        const Bytes text = textOf(length);
        for (size_t outputSize : {160, 24}) {
            Bytes output(168, kUntouched);
            my_aes_encrypt(text.data(), output.data(), outputSize);
            Bytes expected = expectedCipher(text, outputSize);
            expected.resize(168, kUntouched);
            EXPECT_EQ(output, expected) << "text length " << length << ", output size " << outputSize;
        }
    }
}

// The key taken from the end of a spool time is pinned by the filter-interface
// listings in tests/settings.
TEST(AesEncrypt2, AKeyStringShorterThanAKeyGivesZerosAndIsNotReadBeforeItsStart) {
    const Bytes text = textOf(5);
    const Bytes shortKey = textOf(15);
    Bytes output(16, kUntouched);
    my_aes_encrypt2(text.data(), shortKey.data(), output.data(), output.size());
    EXPECT_EQ(output, Bytes(16, 0));
}

// Texts enciphered and read back are checked field by field in tests/settings.
TEST(AesDecrypt, ReadsAShortLastBlockAsZeroPaddedAndStaysWithinTheOutput) {
    const Bytes cipher = nonZeroBytes(20);
    Bytes expected = referenceAesBlock(kFixedKey, Bytes(cipher.begin(), cipher.begin() + 16), false);
    const Bytes last = referenceAesBlock(kFixedKey, Bytes(cipher.begin() + 16, cipher.end()), false);
    expected.insert(expected.end(), last.begin(), last.end());
    for (size_t outputSize : {32, 20}) {
        Bytes output(40, kUntouched);
        my_aes_decrypt(cipher.data(), cipher.size(), output.data(), outputSize);
        EXPECT_TRUE(std::equal(output.begin(), output.begin() + outputSize, expected.begin())) << outputSize;
        EXPECT_EQ(output[outputSize], kUntouched);
    }

    Bytes none(4, kUntouched);
    my_aes_decrypt(cipher.data(), 0, none.data(), none.size());
    EXPECT_EQ(none, (Bytes{0, kUntouched, kUntouched, kUntouched}));
}

}  // namespace
