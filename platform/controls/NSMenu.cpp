#include "platform/controls/NSMenu.h"

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
