#include "host/terminal/FocusChain.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"

namespace host {

bool canTakeCursor(const NSControl& control) {
    if (control.isHidden() || !control.isEnabled()) return false;
    if (dynamic_cast<const NSButton*>(&control)) return true;
    if (const auto* matrix = dynamic_cast<const NSMatrix*>(&control)) return matrix->numberOfRows() > 0;
    if (const auto* popUp = dynamic_cast<const NSPopUpButton*>(&control)) return popUp->numberOfItems() > 0;
    if (const auto* tabs = dynamic_cast<const NSTabView*>(&control)) return tabs->numberOfTabViewItems() > 0;
    if (const auto* field = dynamic_cast<const NSTextField*>(&control))
        return !field->isLabel() && field->isSelectable();
    return false;
}

int shownTab(const NSView& view) {
    const NSTabView* tabs = view.tabView();
    return tabs ? tabs->indexOfSelectedTabViewItem() : NSView::kNoTab;
}

std::vector<NSControl*> focusChain(const NSView& view) {
    std::vector<NSControl*> chain;
    NSTabView* tabs = view.tabView();
    if (tabs && canTakeCursor(*tabs)) chain.push_back(tabs);
    const auto addFrom = [&](const std::vector<NSControl*>& controls) {
        for (NSControl* control : controls)
            if (control != tabs && canTakeCursor(*control)) chain.push_back(control);
    };
    if (tabs && shownTab(view) != NSView::kNoTab) addFrom(view.controlsOnTab(shownTab(view)));
    addFrom(view.controlsOnTab(NSView::kNoTab));
    return chain;
}

}  // namespace host
