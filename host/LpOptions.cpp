#include "host/LpOptions.h"

#include <cctype>
#include <string_view>

namespace host {

namespace {

// A value as CUPS reads it back from an option list.
std::string escapedForCups(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '\'' || c == '"' || c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

bool safeForShell(const std::string& word) {
    for (const char c : word) {
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) ||
                           std::string_view("._,:/=+@%-").find(c) != std::string_view::npos;
        if (!plain) return false;
    }
    return !word.empty();
}

std::string quotedForShell(const std::string& word) {
    if (safeForShell(word)) return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

std::string lpArguments(const OptionPairs& frontEndOptions, const platform::PrintSettings& settings) {
    std::string line;
    const auto add = [&line](const std::string& key, const std::string& value) {
        if (!line.empty()) line += ' ';
        line += "-o " + quotedForShell(key + "=" + escapedForCups(value));
    };
    for (const auto& [key, value] : frontEndOptions)
        add(key, value);
    for (const auto& [key, value] : settings.values())
        add(key, value);
    return line;
}

}  // namespace host
