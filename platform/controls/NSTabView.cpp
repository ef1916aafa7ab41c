#include "platform/controls/NSTabView.h"

NSTabView::~NSTabView() = default;

const char* NSTabView::className() const {
    return "NSTabView";
}

NSTabView& NSTabView::absent() {
    static NSTabView instance{InertTag{}};
    return instance;
}

NSTabViewItem* NSTabView::addTabViewItem(std::unique_ptr<NSTabViewItem> item) {
    if (isInert() || !item) return nullptr;
    items_.push_back(std::move(item));
    if (selectedIndex_ < 0) selectedIndex_ = 0;
    return items_.back().get();
}

NSTabViewItem* NSTabView::tabViewItemAtIndex(int index) const {
    if (index < 0 || index >= numberOfTabViewItems()) return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

void NSTabView::selectFirstTabViewItem() {
    selectTabViewItemAtIndex(0);
}

void NSTabView::selectTabViewItemAtIndex(int index) {
    if (isInert() || index < 0 || index >= numberOfTabViewItems()) return;
    selectedIndex_ = index;
}

platform::UserResult NSTabView::userSelectTabViewItemAtIndex(int index) {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (index < 0 || index >= numberOfTabViewItems()) return platform::UserResult::outOfRange;
    selectedIndex_ = index;
    sendAction();
    return platform::UserResult::done;
}
