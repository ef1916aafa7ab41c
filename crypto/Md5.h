// MD5 digest (RFC 1321) written as 32 lower-case hexadecimal digits.
#pragma once

#include <cstddef>
#include <cstdint>

// The 16-byte MD5 digest of `length` bytes.
void md5Digest(const void* data, size_t length, uint8_t digest[16]);

// Digest of `text` up to its terminator, written as 32 digits and a
// terminator into `output` (33 bytes) when `output` is given.
void calcMD5(char* output, const char* text);
