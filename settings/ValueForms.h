// The value forms of the job-handling keys and the remembered defaults:
// how a value's bytes are enciphered and written as text, and how the forms
// that come back are read.
#pragma once

#include <cstddef>
#include <string>

#include "settings/ClearText.h"
#include "settings/StoredText.h"

namespace value_forms {

// Two upper-case hexadecimal digits per byte.
std::string hexText(const unsigned char* bytes, size_t length);

// The digits with "0" put in front up to five characters; five or more
// digits stay as they are.
std::string paddedDigits(const ClearText& digits);

// The text's blocks enciphered under the fixed key, and the first
// `cipherBytes` cipher bytes (16 or 32) as hex text.
std::string fixedKeyHexForm(const ClearText& text, size_t cipherBytes);

// The text's blocks enciphered under the fixed key, in Base64.
std::string fixedKeyBase64Form(const ClearText& text);

// The text's blocks enciphered under the key taken from the last 16 bytes
// of the spool-time text, in Base64.
std::string jobKeyBase64Form(const ClearText& text, const std::string& spoolTime);

// The MD5 digest, in lower-case hex, of `first` followed by `second`, joined
// in the digest-input buffer (cut at its size).
std::string jobDigest(const std::string& first, const std::string& second);

// The clear bytes of a fixed-key hex form of `digits` hex digits (32 or 64),
// up to the first zero byte. A block of zero bytes at the end is the
// writer's padding, not cipher, and is not deciphered.
std::string decodeFixedKeyHexForm(const StoredText& stored, size_t digits);

// The clear bytes of a fixed-key Base64 form, up to the first zero byte and
// at most the deciphered length.
std::string decodeFixedKeyBase64Form(const StoredText& stored);

// The bytes of a hex text over its whole length, up to the first zero byte.
std::string decodeHexText(const StoredText& stored);

}  // namespace value_forms
