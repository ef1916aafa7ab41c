#include "filter/JobKeys.h"

#include <cups/cups.h>

#include "settings/SettingsKeys.h"

JobKeys panelKeysOf(const std::string& optionArgument) {
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(optionArgument.c_str(), 0, &options);
    JobKeys keys;
    const std::string prefix = settings_keys::kPrefix;
    for (int i = 0; i < count; ++i) {
        const std::string name = options[i].name;
        if (name.compare(0, prefix.size(), prefix) == 0) keys[name] = options[i].value ? options[i].value : "";
    }
    cupsFreeOptions(count, options);
    return keys;
}

std::optional<std::string> valueOf(const JobKeys& keys, const std::string& key) {
    const auto found = keys.find(key);
    if (found == keys.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> joinedPieces(const JobKeys& keys, const std::string& baseKey) {
    std::optional<std::string> joined;
    for (int piece = 1;; ++piece) {
        const auto value = valueOf(keys, baseKey + std::to_string(piece));
        if (!value) return joined;
        joined = joined.value_or("") + *value;
    }
}
