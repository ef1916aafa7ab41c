#include "settings/ClearText.h"

#include <algorithm>

#include "platform/core/TextConversion.h"

ClearText convertText(const std::string& text, NSStringEncoding encoding, size_t maxCharacters, size_t maxBytes,
                      std::optional<char> lossByte) {
    ClearText clear;
    // Nothing to convert: spares loading a converter for an empty field.
    if (text.empty()) return clear;
    platform::ByteConversion limits;
    limits.maxBytes = std::min(maxBytes, clear.bytes.size() - 1);
    limits.maxCharacters = maxCharacters;
    limits.lossByte = lossByte;
    clear.length = platform::getBytes(text, encoding, reinterpret_cast<char*>(clear.bytes.data()), limits);
    return clear;
}

ClearText convertName(const std::string& text, NSStringEncoding systemEncoding, size_t limit) {
    ClearText clear = convertText(text, systemEncoding, limit, limit);
    if (clear.empty()) clear = convertText(text, NSShiftJISStringEncoding, limit, limit, ' ');
    return clear;
}

ClearText convertWindowsLatin1(const std::string& text, size_t limit) {
    return convertText(text, NSWindowsCP1252StringEncoding, limit, limit, ' ');
}
