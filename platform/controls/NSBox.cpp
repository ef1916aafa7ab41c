#include "platform/controls/NSBox.h"

NSBox::~NSBox() = default;

const char* NSBox::className() const {
    return "NSBox";
}

NSBox& NSBox::absent() {
    static NSBox instance{InertTag{}};
    return instance;
}

void NSBox::setTitle(const std::string& title) {
    if (isInert()) return;
    title_ = title;
}
