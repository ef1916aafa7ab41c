#include "folders/FolderName.h"

bool hasControlCharacter(const std::string& name) {
    for (size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        // U+0080-U+009F: 0xC2 then 0x80-0x9F; in valid UTF-8 0xC2 only leads.
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) return true;
    }
    return false;
}
