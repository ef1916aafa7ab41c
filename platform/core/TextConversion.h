// Conversions between UTF-8 text and byte strings in the platform's encodings,
// on iconv. Character counts and limits are in UTF-16 code units, as the
// original platform's strings count them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/core/StringEncoding.h"

namespace platform {

// The text that `length` bytes in `encoding` stand for, or none when they are
// not valid in it (or the encoding is unknown).
std::optional<std::string> stringFromBytes(const void* bytes, size_t length, NSStringEncoding encoding);

struct ByteConversion {
    size_t maxBytes = 0;              // bytes that the buffer can take
    size_t maxCharacters = SIZE_MAX;  // UTF-16 code units of the text to convert
    std::optional<char> lossByte;     // stands for an unconvertible character; none stops there
};

// Converts the characters of `text` in order into `buffer` in `encoding`,
// stopping at the byte limit, at the character limit, or at the first
// character that the encoding cannot represent when there is no loss byte.
// A character whose bytes would not fit whole is not written. Returns the
// number of bytes written; writes no terminator.
size_t getBytes(const std::string& text, NSStringEncoding encoding, char* buffer, const ByteConversion& limits);

}  // namespace platform
