#include "platform/controls/NSMenuItem.h"

NSMenuItem::NSMenuItem(std::string title, std::string keyEquivalent)
    : title_(std::move(title)), keyEquivalent_(std::move(keyEquivalent)) {}

NSMenuItem::~NSMenuItem() = default;

const char* NSMenuItem::className() const {
    return "NSMenuItem";
}

std::unique_ptr<NSMenuItem> NSMenuItem::separatorItem() {
    auto item = std::make_unique<NSMenuItem>();
    item->separator_ = true;
    return item;
}

void NSMenuItem::setTitle(const std::string& title) {
    title_ = title;
}

void NSMenuItem::setImage(std::shared_ptr<NSImage> image) {
    image_ = std::move(image);
}

void NSMenuItem::setRepresentedObject(std::any object) {
    representedObject_ = std::move(object);
}
