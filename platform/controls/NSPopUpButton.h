// A pop-up menu button: a menu of items, one of them selected.
#pragma once

#include "platform/controls/NSControl.h"
#include "platform/controls/NSMenu.h"

class NSPopUpButton : public NSControl {
public:
    NSPopUpButton();
    ~NSPopUpButton() override;
    const char* className() const override;

    // An absent pop-up reads as index 0 selected, with no items.
    static NSPopUpButton& absent();

    // Through the menu the items are added and removed; an absent pop-up
    // gives the inert menu.
    NSMenu& menu();
    const NSMenu& menu() const;
    int numberOfItems() const { return menu().numberOfItems(); }
    NSMenuItem* itemAtIndex(int index) const { return menu().itemAtIndex(index); }

    // -1 when no item is selected. When the selected item is removed from
    // the menu, the first remaining item becomes selected (none when the
    // menu is empty), as the platform's pop-up keeps its title in step.
    int indexOfSelectedItem() const;
    NSMenuItem* selectedItem() const;
    // -1 selects no item; an index outside the menu changes nothing.
    void selectItemAtIndex(int index);

    // The user chooses the item: it is selected, then the action is sent.
    // A separator cannot be chosen.
    platform::UserResult userSelectItemAtIndex(int index);

private:
    explicit NSPopUpButton(InertTag tag) : NSControl(tag) {}
    void itemRemoved(int index);

    NSMenu menu_;
    int selectedIndex_ = -1;
};
