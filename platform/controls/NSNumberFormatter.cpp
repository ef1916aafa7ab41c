#include "platform/controls/NSNumberFormatter.h"

NSNumberFormatter::~NSNumberFormatter() = default;

void NSNumberFormatter::setFormat(std::string format) {
    format_ = std::move(format);
}

std::string NSNumberFormatter::stringForObjectValue(const std::string& value) const {
    return value;
}

bool NSNumberFormatter::getObjectValue(std::string& value, const std::string& text, std::string*) const {
    value = text;
    return true;
}
