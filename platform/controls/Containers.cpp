#include "platform/controls/Containers.h"

NSView::NSView() = default;

NSView::~NSView() = default;

const char* NSView::className() const {
    return "NSView";
}

NSControl* NSView::addControl(std::unique_ptr<NSControl> control, int tab) {
    if (!control || control->isInert()) return nullptr;
    control->setWindow(&window_);
    placements_.push_back(Placement{std::move(control), tab < 0 ? kNoTab : tab});
    return placements_.back().control.get();
}

NSObject* NSView::objectNamed(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (const Placement& placement : placements_) {
        if (placement.control->fieldName() == name) return placement.control.get();
        if (NSObject* child = placement.control->childNamed(name)) return child;
    }
    return nullptr;
}

std::vector<NSControl*> NSView::controls() const {
    std::vector<NSControl*> result;
    for (const Placement& placement : placements_)
        result.push_back(placement.control.get());
    return result;
}

std::vector<NSControl*> NSView::controlsOnTab(int tab) const {
    std::vector<NSControl*> result;
    for (const Placement& placement : placements_) {
        if (placement.tab == tab) result.push_back(placement.control.get());
    }
    return result;
}

int NSView::tabOf(const NSControl* control) const {
    for (const Placement& placement : placements_) {
        if (placement.control.get() == control) return placement.tab;
    }
    return kNoTab;
}

NSTabView* NSView::tabView() const {
    for (const Placement& placement : placements_) {
        if (auto* tabView = dynamic_cast<NSTabView*>(placement.control.get())) return tabView;
    }
    return nullptr;
}

NSBox::~NSBox() = default;

const char* NSBox::className() const {
    return "NSBox";
}

NSBox& NSBox::absent() {
    static NSBox instance{InertTag{}};
    return instance;
}

void NSBox::setTitle(const std::string& title) {
    if (isInert()) return;
    title_ = title;
}

NSTabViewItem::NSTabViewItem(std::string label) : label_(std::move(label)) {}

NSTabViewItem::~NSTabViewItem() = default;

const char* NSTabViewItem::className() const {
    return "NSTabViewItem";
}

void NSTabViewItem::setLabel(const std::string& label) {
    label_ = label;
}

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
