// The dialog's input read as text: a whole number from an argument, the
// fault that bad input ends the dialog with, and input quoted back in a
// message.
#pragma once

#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>

namespace host {

// A fault in what the print dialog was asked to do: it is reported as
// "print-dialog: [line N: ]message" and ends the dialog with status 2,
// writing nothing back.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command-line or script argument read as a decimal integer: the whole
// text must be the number, with no blanks, sign other than '-', or rest.
inline std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Input quoted back in the dialog's messages: `text` fit for a message on a terminal: valid UTF-8 (U+FFFD for what is
// not) and at most `mostCharacters` UTF-16 code units, cut with "…". A
// 200 MB line must not come back as a 200 MB message.
std::string quotedInMessage(const std::string& text, size_t mostCharacters = 60);

}  // namespace host
