#include "controls/LoginnameInputFilter.h"

std::string LoginnameInputFilter::stringForObjectValue(const std::string& value) const {
    return value;
}

bool LoginnameInputFilter::getObjectValue(std::string& value, const std::string& text, std::string* /*error*/) const {
    value = text;
    return true;
}

bool LoginnameInputFilter::isPartialStringValid(std::u16string& /*partial*/, NSRange& /*proposedSelection*/,
                                                const std::u16string& /*original*/, NSRange /*originalSelection*/,
                                                std::string* /*error*/) const {
    return true;
}
