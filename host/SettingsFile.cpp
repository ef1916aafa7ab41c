#include "host/SettingsFile.h"

#include <nlohmann/json.hpp>

#include "host/InputText.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/RegularFile.h"

namespace host {

void readSettingsFile(const std::filesystem::path& path, platform::PrintSettings& settings) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return;
    if (!platform::isRegularFile(path)) throw UsageError("the settings file " + path.string() + " is not a file");
    const std::optional<std::string> text = platform::readRegularFile(path);
    if (!text) throw UsageError("cannot read the settings file " + path.string());
    const nlohmann::json values = nlohmann::json::parse(*text, nullptr, false);
    if (!values.is_object()) throw UsageError("the settings file " + path.string() + " is not a JSON object");
    for (const auto& [key, value] : values.items()) {
        if (!value.is_string())
            throw UsageError("the settings file " + path.string() + " holds a value that is not a string: " + key);
        settings.set(key, value.get<std::string>());
    }
}

void writeSettingsFile(const std::filesystem::path& path, const platform::PrintSettings& settings) {
    const nlohmann::json values(settings.values());
    // A copy that a killed writer left holds the same secrets (enciphered
    // under the fixed key): it is removed as the defaults store removes its own.
    if (!platform::writeFileAtomically(path, values.dump(2) + "\n", 0600, platform::StaleTemporaries::remove))
        throw UsageError("cannot write the settings file " + path.string());
}

}  // namespace host
