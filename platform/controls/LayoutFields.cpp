#include "platform/controls/LayoutFields.h"

#include <cstdint>
#include <limits>

namespace platform::layout {

LayoutError::~LayoutError() = default;

void requireObject(const nlohmann::json& value, const std::string& what) {
    if (!value.is_object()) throw LayoutError(what + " is not an object");
}

int intField(const nlohmann::json& object, const char* key, int fallback) {
    const auto found = object.find(key);
    if (found == object.end()) return fallback;
    if (found->is_number_unsigned()) {
        const auto value = found->get<std::uint64_t>();
        if (value > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
            throw LayoutError(std::string(key) + " is too large");
        return static_cast<int>(value);
    }
    if (!found->is_number_integer()) throw LayoutError(std::string(key) + " is not an integer");
    const auto value = found->get<std::int64_t>();
    if (value < std::numeric_limits<int>::min()) throw LayoutError(std::string(key) + " is too small");
    return static_cast<int>(value);
}

bool boolField(const nlohmann::json& object, const char* key, bool fallback) {
    const auto found = object.find(key);
    if (found == object.end()) return fallback;
    if (!found->is_boolean()) throw LayoutError(std::string(key) + " is not a Boolean");
    return found->get<bool>();
}

std::string stringField(const nlohmann::json& object, const char* key, const std::string& fallback) {
    const auto found = object.find(key);
    if (found == object.end()) return fallback;
    if (!found->is_string()) throw LayoutError(std::string(key) + " is not a text");
    return found->get<std::string>();
}

const nlohmann::json& arrayField(const nlohmann::json& object, const char* key) {
    static const nlohmann::json empty = nlohmann::json::array();
    const auto found = object.find(key);
    if (found == object.end()) return empty;
    if (!found->is_array()) throw LayoutError(std::string(key) + " is not a list");
    return *found;
}

}  // namespace platform::layout
