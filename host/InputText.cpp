#include "host/InputText.h"

#include "platform/text/Utf16.h"

namespace host {

std::string quotedInMessage(const std::string& text, size_t mostCharacters) {
    // Only the start is looked at: a character takes at most four bytes, so
    // this many bytes hold more than `mostCharacters` whole ones.
    const size_t lookedAt = 4 * (mostCharacters + 2);
    std::u16string units = platform::utf16FromUtf8(text.substr(0, lookedAt));
    if (text.size() <= lookedAt && units.size() <= mostCharacters) return platform::utf8FromUtf16(units);
    size_t cut = mostCharacters;
    // Never keep half of a surrogate pair.
    if (cut > 0 && units[cut - 1] >= 0xD800 && units[cut - 1] <= 0xDBFF) --cut;
    units.resize(cut);
    return platform::utf8FromUtf16(units) + "\u2026";
}

}  // namespace host
