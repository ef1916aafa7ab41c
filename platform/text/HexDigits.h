// Hexadecimal text as the stored forms, the print settings and the defaults
// files write it: upper-case digits, the high nibble first.
#pragma once

#include <string>

namespace platform {

constexpr char upperHexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0x0F];
}

inline void appendUpperHex(std::string& text, unsigned char byte) {
    text.push_back(upperHexDigit(byte >> 4));
    text.push_back(upperHexDigit(byte));
}

}  // namespace platform
