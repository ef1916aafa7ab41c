#include "platform/controls/NSTabViewItem.h"

NSTabViewItem::NSTabViewItem(std::string label) : label_(std::move(label)) {}

NSTabViewItem::~NSTabViewItem() = default;

const char* NSTabViewItem::className() const {
    return "NSTabViewItem";
}

void NSTabViewItem::setLabel(const std::string& label) {
    label_ = label;
}
