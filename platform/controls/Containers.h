// The platform's containers: the view that owns a loaded layout's controls
// and their window, the titled box that frames a group of them, and the tab
// view with its tabs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSObject.h"

class NSTabView;

// A panel's view: it owns every control of a loaded layout and its window,
// finds controls and cells by field name, and lists the controls tab by tab
// in layout order for a host to draw or dump.
class NSView : public NSObject {
public:
    // The tab of a control that lies outside the tab view.
    static constexpr int kNoTab = -1;

    NSView();
    ~NSView() override;
    const char* className() const override;

    NSWindow& window() { return window_; }
    const NSWindow& window() const { return window_; }

    // Takes `control` into this view and its window, on tab index `tab`;
    // gives the control.
    NSControl* addControl(std::unique_ptr<NSControl> control, int tab = kNoTab);

    // The control or cell with that field name, or none.
    NSObject* objectNamed(const std::string& name) const;
    template <class T>
    T* objectNamed(const std::string& name) const {
        return dynamic_cast<T*>(objectNamed(name));
    }

    // Every control, in layout order.
    std::vector<NSControl*> controls() const;
    // The controls on tab index `tab` (kNoTab: outside the tab view), in
    // layout order.
    std::vector<NSControl*> controlsOnTab(int tab) const;
    // The tab index of `control`; kNoTab outside the tab view or this view.
    int tabOf(const NSControl* control) const;
    // The first tab view of the view, or none.
    NSTabView* tabView() const;

private:
    struct Placement {
        std::unique_ptr<NSControl> control;
        int tab;
    };

    // Declared first so that it outlives the controls that point at it.
    NSWindow window_;
    std::vector<Placement> placements_;
};

// A titled box that frames a group of controls.
class NSBox : public NSControl {
public:
    NSBox() = default;
    ~NSBox() override;
    const char* className() const override;

    static NSBox& absent();

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

private:
    explicit NSBox(InertTag tag) : NSControl(tag) {}

    std::string title_;
};

// One tab of a tab view: its label.
class NSTabViewItem : public NSObject {
public:
    explicit NSTabViewItem(std::string label = "");
    ~NSTabViewItem() override;
    const char* className() const override;

    const std::string& label() const { return label_; }
    void setLabel(const std::string& label);

private:
    std::string label_;
};

// A tab view: tabs with labels, one of them selected. Which controls lie on
// which tab the view records (NSView::controlsOnTab).
class NSTabView : public NSControl {
public:
    NSTabView() = default;
    ~NSTabView() override;
    const char* className() const override;

    // An absent tab view has no tabs.
    static NSTabView& absent();

    // Appends the tab and gives it (none for the absent tab view, which
    // keeps nothing); the first tab added becomes the selected one.
    NSTabViewItem* addTabViewItem(std::unique_ptr<NSTabViewItem> item);
    int numberOfTabViewItems() const { return static_cast<int>(items_.size()); }
    // The tab at the index, or none.
    NSTabViewItem* tabViewItemAtIndex(int index) const;

    // -1 when no tab is selected (a tab view without tabs).
    int indexOfSelectedTabViewItem() const { return selectedIndex_; }
    NSTabViewItem* selectedTabViewItem() const { return tabViewItemAtIndex(selectedIndex_); }
    void selectFirstTabViewItem();
    // An index outside the tabs changes nothing.
    void selectTabViewItemAtIndex(int index);

    // The user clicks the tab: it is selected, then the action is sent.
    platform::UserResult userSelectTabViewItemAtIndex(int index);

private:
    explicit NSTabView(InertTag tag) : NSControl(tag) {}

    std::vector<std::unique_ptr<NSTabViewItem>> items_;
    int selectedIndex_ = -1;
};
