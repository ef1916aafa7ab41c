#include "platform/controls/Menus.h"

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

NSMenu::~NSMenu() = default;

const char* NSMenu::className() const {
    return "NSMenu";
}

NSMenu& NSMenu::absent() {
    static NSMenu instance{InertTag{}};
    return instance;
}

NSMenuItem* NSMenu::itemAtIndex(int index) const {
    if (index < 0 || index >= numberOfItems()) return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

int NSMenu::indexOfItem(const NSMenuItem* item) const {
    for (int index = 0; index < numberOfItems(); ++index) {
        if (items_[static_cast<std::size_t>(index)].get() == item) return index;
    }
    return -1;
}

void NSMenu::addItem(std::unique_ptr<NSMenuItem> item) {
    if (isInert() || !item) return;
    items_.push_back(std::move(item));
}

void NSMenu::removeItemAtIndex(int index) {
    if (index < 0 || index >= numberOfItems()) return;
    items_.erase(items_.begin() + index);
    if (removalObserver_) removalObserver_(index);
}

void NSMenu::removeAllItems() {
    while (numberOfItems() > 0)
        removeItemAtIndex(numberOfItems() - 1);
}

void NSMenu::setRemovalObserver(std::function<void(int index)> observer) {
    if (isInert()) return;
    removalObserver_ = std::move(observer);
}

NSPopUpButton::NSPopUpButton() {
    menu_.setRemovalObserver([this](int index) { itemRemoved(index); });
}

NSPopUpButton::~NSPopUpButton() = default;

const char* NSPopUpButton::className() const {
    return "NSPopUpButton";
}

NSPopUpButton& NSPopUpButton::absent() {
    static NSPopUpButton instance{InertTag{}};
    return instance;
}

NSMenu& NSPopUpButton::menu() {
    return isInert() ? NSMenu::absent() : menu_;
}

const NSMenu& NSPopUpButton::menu() const {
    return isInert() ? NSMenu::absent() : menu_;
}

int NSPopUpButton::indexOfSelectedItem() const {
    return isInert() ? 0 : selectedIndex_;
}

NSMenuItem* NSPopUpButton::selectedItem() const {
    return menu().itemAtIndex(indexOfSelectedItem());
}

void NSPopUpButton::selectItemAtIndex(int index) {
    if (isInert() || index < -1 || index >= numberOfItems()) return;
    selectedIndex_ = index;
}

platform::UserResult NSPopUpButton::userSelectItemAtIndex(int index) {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    const NSMenuItem* item = itemAtIndex(index);
    if (!item) return platform::UserResult::outOfRange;
    if (item->isSeparatorItem()) return platform::UserResult::notSelectable;
    selectedIndex_ = index;
    sendAction();
    return platform::UserResult::done;
}

void NSPopUpButton::itemRemoved(int index) {
    if (index < selectedIndex_) {
        --selectedIndex_;
    } else if (index == selectedIndex_) {
        selectedIndex_ = numberOfItems() > 0 ? 0 : -1;
    }
}
