#include "host/terminal/PanelGeometry.h"

#include <algorithm>

#include "host/terminal/DisplayText.h"
#include "host/terminal/FocusChain.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/Terminal.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"

namespace host {

using namespace screen_layout;

namespace {

int screenRow(const NSControl& control) {
    return kPanelTop + control.layoutRow();
}

int screenColumn(const NSControl& control) {
    return kPanelLeft + control.layoutColumn();
}

constexpr int kPanelRight = kPanelLeft + kPanelWidth - 1;

// The rows a control covers: a matrix one per cell.
int heightOf(const NSControl& control) {
    if (const auto* matrix = dynamic_cast<const NSMatrix*>(&control)) return std::max(matrix->numberOfRows(), 1);
    return 1;
}

bool coversRow(const NSControl& control, int layoutRow) {
    return layoutRow >= control.layoutRow() && layoutRow < control.layoutRow() + heightOf(control);
}

// The widest title of a pop-up's items, with the room its marks take.
int popUpWidth(const NSPopUpButton& popUp, const Glyphs& glyphs) {
    int widest = 0;
    for (int index = 0; index < popUp.numberOfItems(); ++index)
        if (const NSMenuItem* item = popUp.itemAtIndex(index); item && !item->isSeparatorItem())
            widest = std::max(widest, displayWidth(item->title(), glyphs));
    const int mark = displayWidth(glyphs.lockedMenuMark, glyphs) + 1;
    // "[" mark title " " arrow "]"
    return widest + mark + 4;
}

}  // namespace

PanelGeometry::PanelGeometry(const NSView& view, const Glyphs& glyphs) {
    const NSTabView* tabs = view.tabView();
    const int tab = shownTab(view);
    if (tabs && tab != NSView::kNoTab) controls_ = view.controlsOnTab(tab);
    for (NSControl* control : view.controlsOnTab(NSView::kNoTab))
        if (control != tabs) controls_.push_back(control);
    std::erase_if(controls_, [](const NSControl* control) { return control->isHidden(); });

    for (const NSControl* control : controls_)
        placeControl(control, glyphs);
    for (size_t index = 0; index < controls_.size(); ++index)
        if (dynamic_cast<const NSBox*>(controls_[index])) placeBox(index);
}

int PanelGeometry::rightLimit(const NSControl* control, int firstRow, int lastRow) const {
    int limit = kPanelRight;
    for (const NSControl* other : controls_) {
        if (other == control || dynamic_cast<const NSBox*>(other)) continue;
        if (other->layoutColumn() <= control->layoutColumn()) continue;
        for (int row = firstRow; row <= lastRow; ++row)
            if (coversRow(*other, row)) limit = std::min(limit, screenColumn(*other) - 1);
    }
    return limit;
}

int PanelGeometry::rightLimit(const NSControl* control) const {
    return rightLimit(control, control->layoutRow(), control->layoutRow() + heightOf(*control) - 1);
}

int PanelGeometry::widthOnRow(const NSControl* control, int line) const {
    const int row = control->layoutRow() + line;
    return std::max(rightLimit(control, row, row) - screenColumn(*control), 1);
}

void PanelGeometry::placeControl(const NSControl* control, const Glyphs& glyphs) {
    ScreenRect rect{screenRow(*control), screenColumn(*control), 0, heightOf(*control)};
    const int room = std::max(rightLimit(control) - rect.column, 1);
    if (const auto* button = dynamic_cast<const NSButton*>(control)) {
        switch (button->buttonType()) {
            case NSButtonType::lockButton:
                rect.width =
                    std::max(displayWidth(glyphs.lockedButton, glyphs), displayWidth(glyphs.unlockedButton, glyphs));
                break;
            case NSButtonType::checkBox:
                rect.width = displayWidth(glyphs.checkOn, glyphs) + 1 + displayWidth(button->title(), glyphs);
                break;
            case NSButtonType::pushButton: rect.width = displayWidth(button->title(), glyphs) + 4; break;
        }
    } else if (const auto* popUp = dynamic_cast<const NSPopUpButton*>(control)) {
        rect.width = popUpWidth(*popUp, glyphs);
    } else if (dynamic_cast<const NSBox*>(control)) {
        rect.width = kPanelRight - rect.column + 1;
    } else {
        // Labels, fields, matrices, the progress indicator: up to the next
        // control on the row.
        rect.width = room;
    }
    // A box reaches to the panel's edge, the others stop short of their
    // right neighbour.
    if (!dynamic_cast<const NSBox*>(control)) rect.width = std::min(rect.width, room);
    rects_[control] = rect;
}

void PanelGeometry::placeBox(size_t index) {
    const NSControl* box = controls_[index];
    int lastRow = box->layoutRow();
    size_t next = index + 1;
    for (; next < controls_.size(); ++next) {
        const NSControl* inside = controls_[next];
        if (inside->layoutColumn() <= box->layoutColumn() && inside->layoutRow() > box->layoutRow()) break;
        lastRow = std::max(lastRow, inside->layoutRow() + heightOf(*inside) - 1);
    }
    ScreenRect& rect = rects_[box];
    rect.height = lastRow - box->layoutRow() + 2;
    const int bottomRow = lastRow + 1;
    // A box that starts on the bottom line shares it; any other control there
    // leaves the frame open.
    bool blocked = screenRow(*box) + rect.height - 1 > kPanelBottom;
    for (const NSControl* other : controls_)
        if (other != box && !dynamic_cast<const NSBox*>(other) && coversRow(*other, bottomRow)) blocked = true;
    openBottoms_[box] = blocked;
}

ScreenRect PanelGeometry::rectOf(const NSControl* control) const {
    const auto found = rects_.find(control);
    return found == rects_.end() ? ScreenRect{} : found->second;
}

bool PanelGeometry::openBottom(const NSControl* box) const {
    const auto found = openBottoms_.find(box);
    return found != openBottoms_.end() && found->second;
}

}  // namespace host
