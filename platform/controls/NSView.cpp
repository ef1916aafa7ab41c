#include "platform/controls/NSView.h"

#include "platform/controls/NSTabView.h"

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
