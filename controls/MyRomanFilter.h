// The input filter of the free texts (password, folder name, user name, job
// name): any character, at most `maxValue` characters.
#pragma once

#include <cstdint>

#include "platform/controls/TextFields.h"

class MyRomanFilter : public NSNumberFormatter {
public:
    void SetmaxCharactersCount(uint64_t count) { maxValue = count; }

    bool isPartialStringValid(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                              NSRange originalSelection, std::string* error) const override;

    // The most characters (UTF-16 code units) the field takes; 0 until set.
    uint64_t maxValue = 0;
};
