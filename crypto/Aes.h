// AES-128 enciphering of zero-terminated texts, block by block (no chaining),
// under the panel's fixed key or a key taken from a string.
#pragma once

#include <cstddef>
#include <cstdint>

// The fixed key shared by every reader and writer of the enciphered values.
extern const unsigned char kFixedAesKey[16];

// Clears `output` (outputSize bytes), then enciphers the ceil(n / 16) blocks of
// `text` (n = its length up to the first zero byte) under the fixed key. A
// partial last block is padded with zero bytes. Blocks that would not fit in
// `output` are not written. Does nothing when a pointer is missing.
void my_aes_encrypt(const unsigned char* text, unsigned char* output, size_t outputSize);

// As my_aes_encrypt, under the key made of the last 16 bytes of `keyString`
// before its terminator. A key string shorter than 16 bytes holds no key: the
// output is cleared and nothing is enciphered.
void my_aes_encrypt2(const unsigned char* text, const unsigned char* keyString, unsigned char* output,
                     size_t outputSize);

// Sets output[0] to zero, then deciphers ceil(length / 16) blocks of `cipher`
// under the fixed key into `output`; a partial last block is read as if padded
// with zero bytes. Writes no terminator and never more than outputSize bytes:
// clear text beyond that is cut. Does nothing when a pointer is missing or
// outputSize is 0.
void my_aes_decrypt(const unsigned char* cipher, size_t length, unsigned char* output, size_t outputSize);

// As my_aes_decrypt, under the key made of the last 16 bytes of `keyString`
// (the receiving end of my_aes_encrypt2). A key string shorter than 16 bytes
// holds no key: output[0] is set to zero and nothing is deciphered.
void my_aes_decrypt2(const unsigned char* cipher, size_t length, const unsigned char* keyString, unsigned char* output,
                     size_t outputSize);
