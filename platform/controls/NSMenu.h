// The ordered items of a pop-up menu, owned by the menu.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/NSMenuItem.h"
#include "platform/controls/NSObject.h"

class NSMenu : public NSObject {
public:
    NSMenu() = default;
    ~NSMenu() override;
    const char* className() const override;

    // The menu of an absent pop-up: no items, and adding does nothing.
    static NSMenu& absent();

    int numberOfItems() const { return static_cast<int>(items_.size()); }
    // The item at the index, or none.
    NSMenuItem* itemAtIndex(int index) const;
    // The index of `item`, or -1 when it is not in this menu.
    int indexOfItem(const NSMenuItem* item) const;

    void addItem(std::unique_ptr<NSMenuItem> item);
    // An index outside the menu changes nothing.
    void removeItemAtIndex(int index);
    void removeAllItems();

    // Called after each removal with the index the item had; the pop-up
    // that owns the menu keeps its selection in step through it.
    void setRemovalObserver(std::function<void(int index)> observer);

private:
    explicit NSMenu(InertTag tag) : NSObject(tag) {}

    std::vector<std::unique_ptr<NSMenuItem>> items_;
    std::function<void(int)> removalObserver_;
};
