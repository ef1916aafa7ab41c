// Base64 (RFC 4648 alphabet, "=" padding, no line breaks).
#pragma once

// Buffer size that Base64encode needs for `length` bytes, terminator included
// (a negative length counts as none).
int Base64encode_len(int length);

// Writes the Base64 text of `bytes` and a terminator into `encoded`; returns the
// number of characters written, terminator included.
int Base64encode(char* encoded, const unsigned char* bytes, int length);

// Buffer size that Base64decode needs for `encoded`, terminator included.
int Base64decode_len(const char* encoded);

// Decodes the leading run of alphabet characters of `encoded` into `plain`,
// followed by a zero byte; returns the number of bytes decoded.
int Base64decode(unsigned char* plain, const char* encoded);
