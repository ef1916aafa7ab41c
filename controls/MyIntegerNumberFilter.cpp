#include "controls/MyIntegerNumberFilter.h"

#include "controls/CountedEditCheck.h"

bool MyIntegerNumberFilter::isPartialStringValid(std::u16string& partial, NSRange& proposedSelection,
                                                 const std::u16string& original, NSRange originalSelection,
                                                 std::string* /*error*/) const {
    return controls::checkCountedEdit(partial, proposedSelection, original, originalSelection, maxValue,
                                      controls::InsertedCharacters::digitsOnly);
}
