#include "platform/controls/NSFormatter.h"

NSFormatter::~NSFormatter() = default;

bool NSFormatter::isPartialStringValid(std::u16string&, NSRange&, const std::u16string&, NSRange, std::string*) const {
    return true;
}
