// A command-line or script argument read as a decimal integer: the whole
// text must be the number, with no blanks, sign other than '-', or rest.
#pragma once

#include <charconv>
#include <optional>
#include <string>

namespace host {

inline std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace host
