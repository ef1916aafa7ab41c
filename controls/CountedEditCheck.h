// The edit check shared by the input filters that limit a field to a number
// of characters (UTF-16 code units).
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/TextFields.h"

namespace controls {

enum class InsertedCharacters { any, digitsOnly };

// Accepts or refuses one edit of a field that may hold `maxValue` code
// units. A caret beyond the maximum cuts the text to the maximum and selects
// all of it (the answer is then false with `partial` and `proposedSelection`
// replaced). Otherwise a deletion is accepted, an insertion whose first
// character is not an ASCII digit is refused where only digits are allowed,
// and any other insertion is accepted only while `original` is shorter than
// the maximum.
bool checkCountedEdit(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                      NSRange originalSelection, uint64_t maxValue, InsertedCharacters allowed);

}  // namespace controls
