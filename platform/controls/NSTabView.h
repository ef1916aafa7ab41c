// A tab view: tabs with labels, one of them selected. Which controls lie on
// which tab the view records (NSView::controlsOnTab).
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSTabViewItem.h"

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
