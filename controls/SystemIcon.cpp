#include "controls/SystemIcon.h"

#include <optional>
#include <string>

#include "platform/core/Bundle.h"

namespace {

bool isAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The code's four characters, most significant byte first, as the platform
// spells type codes; none when one of them could not name a file.
std::optional<std::string> typeCodeName(uint32_t fourCharCode) {
    std::string name;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((fourCharCode >> shift) & 0xFF);
        if (!isAsciiLetterOrDigit(c)) return std::nullopt;
        name.push_back(c);
    }
    return name;
}

}  // namespace

std::shared_ptr<NSImage> initWithSystemIconType(uint32_t fourCharCode, const NSBundle* bundle) {
    const std::optional<std::string> name = typeCodeName(fourCharCode);
    if (!bundle || !name) return nullptr;
    const std::optional<std::string> path = bundle->pathForResource(*name, "png");
    if (!path) return nullptr;
    std::shared_ptr<NSImage> icon = NSImage::imageWithContentsOfFile(*path);
    if (icon) icon->setSize(kLockIconPoints, kLockIconPoints);
    return icon;
}
