// Conversions between the UTF-8 text that the system keeps and the UTF-16
// code units in which the platform counts characters (edit checks, caret
// positions, the character limits of the input filters).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The two halves of a surrogate pair, which together stand for one
// character outside the Basic Multilingual Plane.
constexpr bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Invalid input never stops a conversion: each byte (or code unit) that does
// not start a valid sequence becomes U+FFFD and the conversion goes on after
// it; a sequence cut off at the end becomes one U+FFFD.
std::u16string utf16FromUtf8(const std::string& text);
std::string utf8FromUtf16(const std::u16string& text);

// The length of `text` in UTF-16 code units (a character outside the Basic
// Multilingual Plane counts 2), with the replacements described above.
std::size_t utf16Length(const std::string& text);

// Where the character that starts at `index` ends, and where the one that
// ends at `index` starts: a surrogate pair is one character, a lone
// surrogate one of its own. `index` lies within the text (or at its end
// for the second).
std::size_t utf16CharacterEnd(std::u16string_view text, std::size_t index);
std::size_t utf16CharacterStart(std::u16string_view text, std::size_t index);

}  // namespace platform
