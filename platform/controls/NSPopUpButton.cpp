#include "platform/controls/NSPopUpButton.h"

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
