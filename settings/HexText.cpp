#include "settings/HexText.h"

#include <cstddef>

namespace {

// The value of one hexadecimal character, by the stored forms' own rule.
int hexValue(char c) {
    const int code = static_cast<unsigned char>(c);
    return code < ':' ? code - 48 : code - 55;
}

}  // namespace

void myatoi(const char* source, unsigned char* destination, uint32_t n) {
    size_t written = 0;
    for (uint32_t i = 0; i < n; i += 2) {
        // An odd count pairs the last digit with the terminator that follows it.
        const int high = hexValue(source[i]);
        const int low = hexValue(source[i + 1]);
        destination[written++] = static_cast<unsigned char>((16 * high + low) & 0xFF);
    }
    destination[written] = 0;
}
