// Independent results from OpenSSL's EVP interface, to check our encodings against.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// One AES-128 block (zero-padded to 16 bytes) enciphered or deciphered under `key`.
Bytes referenceAesBlock(const unsigned char key[16], Bytes block, bool encipher);

// The 16-byte MD5 digest of `length` bytes.
Bytes referenceMd5(const unsigned char* data, size_t length);

// Base64 text of the bytes, with "=" padding.
std::string referenceBase64(const Bytes& bytes);

// A deterministic byte pattern of `length` bytes, none of them zero.
Bytes nonZeroBytes(size_t length);
