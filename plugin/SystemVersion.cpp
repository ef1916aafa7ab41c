#include "plugin/SystemVersion.h"

#include <cstdlib>
#include <optional>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

namespace {

// The string value of `key` in the top-level dictionary of a property list.
std::optional<std::string> plistString(const std::string& path, std::string_view key) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) return std::nullopt;
    const pugi::xml_node dictionary = document.child("plist").child("dict");
    for (pugi::xml_node node = dictionary.child("key"); node; node = node.next_sibling("key")) {
        if (node.text().get() != key) continue;
        const pugi::xml_node value = node.next_sibling();
        if (std::string_view(value.name()) != "string") return std::nullopt;
        return std::string(value.text().get());
    }
    return std::nullopt;
}

std::vector<std::string> splitAtDots(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        fields.push_back(text.substr(start, dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return fields;
}

// The decimal number at the start of a field, after white space and an
// optional sign; 0 when there is none.
int32_t integerValue(const std::string& field) {
    return static_cast<int32_t>(std::strtol(field.c_str(), nullptr, 10));
}

}  // namespace

void get_system_version(int32_t* major, int32_t* minor, int32_t* patch, const std::string& plistPath) {
    const std::optional<std::string> version = plistString(plistPath, "ProductVersion");
    if (!version || version->empty()) return;
    const std::vector<std::string> fields = splitAtDots(*version);
    int32_t* slots[] = {major, minor, patch};
    for (size_t i = 0; i < fields.size() && i < 3; ++i)
        if (slots[i]) *slots[i] = integerValue(fields[i]);
}

bool runningOnLeopardOrLater(const std::string& plistPath) {
    int32_t major = 10;
    int32_t minor = 4;
    int32_t patch = 0;
    get_system_version(&major, &minor, &patch, plistPath);
    return major > 10 || (major == 10 && minor > 4);
}
