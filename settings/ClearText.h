// A job value turned into bytes for enciphering or hex text: a cleared
// clear-text buffer and the number of bytes the conversion put into it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "platform/core/StringEncoding.h"
#include "settings/SettingsKeys.h"

struct ClearText {
    // Zero after the converted bytes: the block padding of the cipher and
    // the terminator of the text both come from here.
    std::array<unsigned char, value_buffers::kClearText> bytes{};
    size_t length = 0;

    bool empty() const { return length == 0; }
    const unsigned char* data() const { return bytes.data(); }
    const char* c_str() const { return reinterpret_cast<const char*>(bytes.data()); }
};

// Converts `text` in order, stopping at `maxCharacters` UTF-16 code units,
// at `maxBytes` bytes (at most one less than the buffer, which keeps its
// terminator), or, without a loss byte, at the first character the encoding
// cannot represent.
ClearText convertText(const std::string& text, NSStringEncoding encoding, size_t maxCharacters, size_t maxBytes,
                      std::optional<char> lossByte = std::nullopt);

// The conversion of names (login, user and job name): the system encoding,
// and when not even the first character converts, Mac Japanese with a space
// for each character it cannot represent.
ClearText convertName(const std::string& text, NSStringEncoding systemEncoding, size_t limit);

// The second, Windows Latin-1 form of a name, with a space for each
// character it cannot represent.
ClearText convertWindowsLatin1(const std::string& text, size_t limit);
