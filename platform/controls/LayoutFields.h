// Typed reading of the fields of a layout file's JSON objects: a missing
// field gives the default, a field of the wrong type makes the layout
// malformed (LayoutError).
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace platform::layout {

class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    ~LayoutError() override;
};

// `value` must be a JSON object.
void requireObject(const nlohmann::json& value, const std::string& what);

int intField(const nlohmann::json& object, const char* key, int fallback);
bool boolField(const nlohmann::json& object, const char* key, bool fallback);
std::string stringField(const nlohmann::json& object, const char* key, const std::string& fallback = "");
// The array under `key` (an empty one when missing).
const nlohmann::json& arrayField(const nlohmann::json& object, const char* key);

}  // namespace platform::layout
