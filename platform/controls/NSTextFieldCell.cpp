#include "platform/controls/NSTextFieldCell.h"

NSTextFieldCell::~NSTextFieldCell() = default;

const char* NSTextFieldCell::className() const {
    return "NSTextFieldCell";
}

NSTextFieldCell& NSTextFieldCell::absent() {
    static NSTextFieldCell instance{InertTag{}};
    return instance;
}

void NSTextFieldCell::setFormatter(std::unique_ptr<NSFormatter> formatter) {
    if (isInert()) return;
    formatter_ = std::move(formatter);
}
