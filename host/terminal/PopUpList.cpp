#include "host/terminal/PopUpList.h"

#include <algorithm>
#include <string>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/Terminal.h"
#include "platform/controls/Menus.h"

namespace host {

namespace {

bool isLockImage(const NSMenuItem& item) {
    return item.image() && item.image()->name() == "lock";
}

}  // namespace

PopUpList::PopUpList(const NSPopUpButton& popUp, ScreenRect button) : popUp_(popUp), button_(button) {
    highlighted_ = popUp_.indexOfSelectedItem();
    if (!choosable(highlighted_)) {
        highlighted_ = -1;
        walk(1);
    }
}

bool PopUpList::choosable(int index) const {
    const NSMenuItem* item = popUp_.itemAtIndex(index);
    return item && !item->isSeparatorItem();
}

void PopUpList::walk(int direction) {
    for (int index = highlighted_ + direction; index >= 0 && index < popUp_.numberOfItems(); index += direction) {
        if (choosable(index)) {
            highlighted_ = index;
            return;
        }
    }
}

PopUpList::Outcome PopUpList::handle(const Key& key) {
    switch (key.code) {
        case KeyCode::up: walk(-1); return Outcome::open;
        case KeyCode::down: walk(1); return Outcome::open;
        case KeyCode::enter: return choosable(highlighted_) ? Outcome::chosen : Outcome::closed;
        case KeyCode::escape:
        case KeyCode::tab:
        case KeyCode::backTab: return Outcome::closed;
        default: return key.isSpace() && choosable(highlighted_) ? Outcome::chosen : Outcome::open;
    }
}

int PopUpList::markColumns(const Glyphs& glyphs) const {
    for (int index = 0; index < popUp_.numberOfItems(); ++index)
        if (const NSMenuItem* item = popUp_.itemAtIndex(index); item && isLockImage(*item))
            return displayWidth(glyphs.lockedMenuMark, glyphs) + 1;
    return 0;
}

ScreenRect PopUpList::frame(const Canvas& canvas) const {
    const Glyphs& glyphs = canvas.glyphs();
    int widest = 0;
    for (int index = 0; index < popUp_.numberOfItems(); ++index)
        if (const NSMenuItem* item = popUp_.itemAtIndex(index))
            widest = std::max(widest, displayWidth(item->title(), glyphs));
    // "| " mark " " title " |"
    const int width = std::min(widest + markColumns(glyphs) + 4, screen_layout::kColumns - button_.column);
    const int below = screen_layout::kPanelBottom - button_.row;
    const int above = button_.row - screen_layout::kRuleRow;
    const int wanted = popUp_.numberOfItems() + 2;
    if (wanted <= below || below >= above)
        return ScreenRect{button_.row + 1, button_.column, width, std::min(wanted, below)};
    const int height = std::min(wanted, above);
    return ScreenRect{button_.row - height, button_.column, width, height};
}

void PopUpList::paint(Canvas& canvas) const {
    const Glyphs& glyphs = canvas.glyphs();
    const ScreenRect box = frame(canvas);
    if (box.height < 3) return;
    const int right = box.column + box.width - 1;
    const int bottom = box.row + box.height - 1;
    canvas.write(box.row, box.column, glyphs.topLeft, style::plain);
    canvas.fill(box.row, box.column + 1, box.width - 2, glyphs.horizontal, style::plain);
    canvas.write(box.row, right, glyphs.topRight, style::plain);
    canvas.write(bottom, box.column, glyphs.bottomLeft, style::plain);
    canvas.fill(bottom, box.column + 1, box.width - 2, glyphs.horizontal, style::plain);
    canvas.write(bottom, right, glyphs.bottomRight, style::plain);

    // The items shown: a window over the menu that keeps the highlight in view.
    const int shown = box.height - 2;
    const int first = std::clamp(highlighted_ - shown + 1, 0, std::max(popUp_.numberOfItems() - shown, 0));
    const int marks = markColumns(glyphs);
    for (int line = 0; line < shown; ++line) {
        const int row = box.row + 1 + line;
        canvas.write(row, box.column, glyphs.vertical, style::plain);
        canvas.fill(row, box.column + 1, box.width - 2, " ", style::plain);
        canvas.write(row, right, glyphs.vertical, style::plain);
        const NSMenuItem* item = popUp_.itemAtIndex(first + line);
        if (!item) continue;
        if (item->isSeparatorItem()) {
            canvas.fill(row, box.column + 1, box.width - 2, glyphs.horizontal, style::dim);
            continue;
        }
        const bool lit = first + line == highlighted_;
        const uint8_t look = lit ? style::reverse : style::plain;
        canvas.fill(row, box.column + 1, box.width - 2, " ", look);
        if (isLockImage(*item)) canvas.write(row, box.column + 2, glyphs.lockedMenuMark, look);
        canvas.write(row, box.column + 2 + marks, item->title(), look, box.width - marks - 4);
        if (lit) canvas.placeCursor(row, box.column + 2);
    }
}

}  // namespace host
