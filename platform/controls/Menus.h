// The platform's menus and pop-ups: a menu item, the menu that owns its
// items, and the pop-up button that shows a menu with one item selected.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSImage.h"
#include "platform/controls/NSObject.h"

// One item of a menu: a title with an image, or a separator line. Items
// carry no action of their own: choosing one sends the pop-up's action.
class NSMenuItem : public NSObject {
public:
    explicit NSMenuItem(std::string title = "", std::string keyEquivalent = "");
    ~NSMenuItem() override;
    const char* className() const override;

    static std::unique_ptr<NSMenuItem> separatorItem();
    bool isSeparatorItem() const { return separator_; }

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);
    const std::shared_ptr<NSImage>& image() const { return image_; }
    void setImage(std::shared_ptr<NSImage> image);
    const std::string& keyEquivalent() const { return keyEquivalent_; }

    const std::any& representedObject() const { return representedObject_; }
    void setRepresentedObject(std::any object);

private:
    std::string title_;
    std::string keyEquivalent_;
    std::shared_ptr<NSImage> image_;
    std::any representedObject_;
    bool separator_ = false;
};

// The ordered items of a pop-up menu, owned by the menu.
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

// A pop-up menu button: a menu of items, one of them selected.
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
