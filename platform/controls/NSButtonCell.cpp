#include "platform/controls/NSButtonCell.h"

NSButtonCell::NSButtonCell(std::string title) : title_(std::move(title)) {}

NSButtonCell::~NSButtonCell() = default;

const char* NSButtonCell::className() const {
    return "NSButtonCell";
}

NSButtonCell& NSButtonCell::absent() {
    static NSButtonCell instance{InertTag{}};
    return instance;
}

void NSButtonCell::setTitle(const std::string& title) {
    if (isInert()) return;
    title_ = title;
}

void NSButtonCell::setState(int state) {
    if (isInert()) return;
    state_ = state != 0 ? 1 : 0;
}
