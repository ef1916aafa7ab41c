// AES-128 block by block (no chaining, no initialisation vector) over
// OpenSSL's low-level block cipher, the form that the readers of our values
// expect. Those calls are deprecated in OpenSSL 3 in favour of EVP; the warning
// is silenced in this file and nowhere else.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/aes.h>
#include <openssl/crypto.h>

#include "crypto/Aes.h"

#include <algorithm>
#include <cstring>

const unsigned char kFixedAesKey[16] = {0x5c, 0x19, 0xe2, 0x70, 0x8a, 0x3d, 0x41, 0xf6,
                                        0x0b, 0x97, 0xc4, 0x2e, 0x6d, 0x88, 0x13, 0xa5};

namespace {

constexpr size_t kBlockSize = AES_BLOCK_SIZE;
constexpr int kKeyBits = 128;

size_t textLength(const unsigned char* text) {
    return std::strlen(reinterpret_cast<const char*>(text));
}

// Wipes the key schedule and the padded clear block off the stack when the
// call ends: both are as good as the credential itself.
struct ScopedSecrets {
    AES_KEY schedule{};
    unsigned char block[kBlockSize]{};
    ~ScopedSecrets() {
        OPENSSL_cleanse(&schedule, sizeof schedule);
        OPENSSL_cleanse(block, sizeof block);
    }
};

// The caller's text buffer is meant to be zero after the terminator, but we do
// not rely on that: the last partial block is padded with zero bytes in a local
// copy, so nothing past the terminator is ever read.
void encipherText(const unsigned char* text, const unsigned char* key, unsigned char* output, size_t outputSize) {
    std::memset(output, 0, outputSize);
    const size_t length = textLength(text);
    if (length == 0) return;

    ScopedSecrets secrets;
    AES_set_encrypt_key(key, kKeyBits, &secrets.schedule);
    for (size_t offset = 0; offset < length && offset + kBlockSize <= outputSize; offset += kBlockSize) {
        const size_t taken = std::min(kBlockSize, length - offset);
        const unsigned char* clear = text + offset;
        if (taken < kBlockSize) {
            std::memcpy(secrets.block, clear, taken);
            clear = secrets.block;
        }
        AES_encrypt(clear, output + offset, &secrets.schedule);
    }
}

}  // namespace

void my_aes_encrypt(const unsigned char* text, unsigned char* output, size_t outputSize) {
    if (!text || !output) return;
    encipherText(text, kFixedAesKey, output, outputSize);
}

void my_aes_encrypt2(const unsigned char* text, const unsigned char* keyString, unsigned char* output,
                     size_t outputSize) {
    if (!text || !keyString || !output) return;
    const size_t keyLength = textLength(keyString);
    if (keyLength < kBlockSize) {
        // Too short to hold a key: taking "its last 16 bytes" would read before
        // the string. Leave a cleared output, as for an empty text.
        std::memset(output, 0, outputSize);
        return;
    }
    encipherText(text, keyString + keyLength - kBlockSize, output, outputSize);
}

namespace {

void decipherBlocks(const unsigned char* key, const unsigned char* cipher, size_t length, unsigned char* output,
                    size_t outputSize) {
    output[0] = 0;
    if (length == 0) return;

    ScopedSecrets secrets;
    unsigned char cipherBlock[kBlockSize];
    AES_set_decrypt_key(key, kKeyBits, &secrets.schedule);
    for (size_t offset = 0; offset < length && offset < outputSize; offset += kBlockSize) {
        // A short last block is read as if the cipher went on with zero bytes,
        // instead of reading past the caller's cipher buffer.
        const size_t taken = std::min(kBlockSize, length - offset);
        std::memset(cipherBlock, 0, kBlockSize);
        std::memcpy(cipherBlock, cipher + offset, taken);
        AES_decrypt(cipherBlock, secrets.block, &secrets.schedule);
        // Clear text that does not fit is cut at the end of the output.
        std::memcpy(output + offset, secrets.block, std::min(kBlockSize, outputSize - offset));
    }
}

}  // namespace

void my_aes_decrypt(const unsigned char* cipher, size_t length, unsigned char* output, size_t outputSize) {
    if (!cipher || !output || outputSize == 0) return;
    decipherBlocks(kFixedAesKey, cipher, length, output, outputSize);
}

void my_aes_decrypt2(const unsigned char* cipher, size_t length, const unsigned char* keyString, unsigned char* output,
                     size_t outputSize) {
    if (!cipher || !keyString || !output || outputSize == 0) return;
    const size_t keyLength = textLength(keyString);
    if (keyLength < kBlockSize) {
        output[0] = 0;
        return;
    }
    decipherBlocks(keyString + keyLength - kBlockSize, cipher, length, output, outputSize);
}
