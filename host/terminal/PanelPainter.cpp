#include "host/terminal/PanelPainter.h"

#include <algorithm>
#include <string>

#include "host/terminal/Canvas.h"
#include "host/terminal/EditFieldView.h"
#include "host/terminal/Glyphs.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"
#include "platform/text/Utf16.h"

namespace host {

namespace {

uint8_t enabledStyle(const NSControl& control) {
    return control.isEnabled() ? style::plain : style::dim;
}

// A lock button shows the padlock of the image it displays ("lock" closed,
// "ulck" open); without images, its state.
bool showsClosedLock(const NSButton& button) {
    if (const auto& image = button.displayedImage()) return image->name() == "lock";
    return button.state() == 1;
}

bool isLockImage(const std::shared_ptr<NSImage>& image) {
    return image && image->name() == "lock";
}

// One bullet per UTF-16 code unit keeps the field's caret and selection,
// counted in code units, on the same places of the mask.
std::string maskOf(const std::string& text) {
    const std::size_t units = platform::utf16Length(text);
    std::string mask;
    mask.reserve(units * 3);
    for (std::size_t unit = 0; unit < units; ++unit)
        mask += "\xE2\x80\xA2";  // U+2022
    return mask;
}

}  // namespace

PanelPainter::PanelPainter(Canvas& canvas, const PanelGeometry& geometry, PanelFocus focus, size_t spinnerFrame)
    : canvas_(canvas), geometry_(geometry), focus_(focus), spinnerFrame_(spinnerFrame) {}

void PanelPainter::paint() {
    // Frames first, so that the controls inside them draw over nothing.
    for (const NSControl* control : geometry_.controls())
        if (const auto* box = dynamic_cast<const NSBox*>(control)) paintBox(*box, geometry_.rectOf(box));
    for (const NSControl* control : geometry_.controls())
        if (!dynamic_cast<const NSBox*>(control)) paintControl(*control);
}

void PanelPainter::paintControl(const NSControl& control) {
    const ScreenRect rect = geometry_.rectOf(&control);
    if (const auto* button = dynamic_cast<const NSButton*>(&control))
        paintButton(*button, rect);
    else if (const auto* matrix = dynamic_cast<const NSMatrix*>(&control))
        paintMatrix(*matrix, rect);
    else if (const auto* popUp = dynamic_cast<const NSPopUpButton*>(&control))
        paintPopUp(*popUp, rect);
    else if (const auto* field = dynamic_cast<const NSTextField*>(&control))
        paintTextField(*field, rect);
    else if (const auto* progress = dynamic_cast<const NSProgressIndicator*>(&control))
        paintProgress(*progress, rect);
}

void PanelPainter::paintBox(const NSBox& box, const ScreenRect& rect) {
    const Glyphs& glyphs = canvas_.glyphs();
    const int right = rect.column + rect.width - 1;
    const int bottom = rect.row + rect.height - 1;
    // A frame that begins on the bottom line of the one above joins it.
    const bool joins = canvas_.at(rect.row, rect.column).glyph == displayCells(glyphs.bottomLeft, glyphs).front().glyph;
    canvas_.write(rect.row, rect.column, joins ? glyphs.teeLeft : glyphs.topLeft, style::plain);
    canvas_.fill(rect.row, rect.column + 1, rect.width - 2, glyphs.horizontal, style::plain);
    canvas_.write(rect.row, right, joins ? glyphs.teeRight : glyphs.topRight, style::plain);
    if (!box.title().empty())
        canvas_.write(rect.row, rect.column + 2, " " + box.title() + " ", style::bold, rect.width - 4);
    const int lastSide = geometry_.openBottom(&box) ? bottom : bottom - 1;
    for (int row = rect.row + 1; row <= lastSide; ++row) {
        canvas_.write(row, rect.column, glyphs.vertical, style::plain);
        canvas_.write(row, right, glyphs.vertical, style::plain);
    }
    if (geometry_.openBottom(&box)) return;
    canvas_.write(bottom, rect.column, glyphs.bottomLeft, style::plain);
    canvas_.fill(bottom, rect.column + 1, rect.width - 2, glyphs.horizontal, style::plain);
    canvas_.write(bottom, right, glyphs.bottomRight, style::plain);
}

void PanelPainter::paintButton(const NSButton& button, const ScreenRect& rect) {
    const Glyphs& glyphs = canvas_.glyphs();
    std::string text;
    switch (button.buttonType()) {
        case NSButtonType::checkBox:
            text = (button.state() == 1 ? glyphs.checkOn : glyphs.checkOff) + " " + button.title();
            break;
        case NSButtonType::lockButton:
            text = showsClosedLock(button) ? glyphs.lockedButton : glyphs.unlockedButton;
            break;
        case NSButtonType::pushButton: text = "[ " + button.title() + " ]"; break;
    }
    const uint8_t look = enabledStyle(button) | (focused(button) ? style::reverse : style::plain);
    const int used = canvas_.write(rect.row, rect.column, text, look, rect.width);
    if (focused(button)) canvas_.placeCursor(rect.row, rect.column + (used > 1 ? 1 : 0));
}

void PanelPainter::paintMatrix(const NSMatrix& matrix, const ScreenRect& rect) {
    const Glyphs& glyphs = canvas_.glyphs();
    for (int row = 0; row < matrix.numberOfRows(); ++row) {
        const NSButtonCell* cell = matrix.cellAtRow(row, 0);
        if (!cell) continue;
        const bool onCursor = focused(matrix) && focus_.cellRow == row;
        const std::string text = (cell->state() == 1 ? glyphs.radioOn : glyphs.radioOff) + " " + cell->title();
        const uint8_t look = enabledStyle(matrix) | (onCursor ? style::reverse : style::plain);
        canvas_.write(rect.row + row, rect.column, text, look, geometry_.widthOnRow(&matrix, row));
        if (onCursor) canvas_.placeCursor(rect.row + row, rect.column + 1);
    }
}

void PanelPainter::paintPopUp(const NSPopUpButton& popUp, const ScreenRect& rect) {
    const Glyphs& glyphs = canvas_.glyphs();
    const NSMenuItem* item = popUp.selectedItem();
    std::string title = item ? item->title() : "";
    if (item && isLockImage(item->image())) title = glyphs.lockedMenuMark + " " + title;
    const uint8_t look = enabledStyle(popUp) | (focused(popUp) ? style::reverse : style::plain);
    const int arrowWidth = displayWidth(glyphs.popUpArrow, glyphs);
    canvas_.fill(rect.row, rect.column, rect.width, " ", look);
    canvas_.write(rect.row, rect.column, "[", look);
    canvas_.write(rect.row, rect.column + 1, title, look, std::max(rect.width - arrowWidth - 3, 0));
    canvas_.write(rect.row, rect.column + rect.width - arrowWidth - 1, glyphs.popUpArrow, look);
    canvas_.write(rect.row, rect.column + rect.width - 1, "]", look);
    if (focused(popUp)) canvas_.placeCursor(rect.row, rect.column + 1);
}

void PanelPainter::paintTextField(const NSTextField& field, const ScreenRect& rect) {
    if (!field.isLabel()) {
        paintEditField(field, rect);
        return;
    }
    const uint8_t look = field.textColor() == NSColor::grayColor ? style::dim : style::plain;
    canvas_.write(rect.row, rect.column, field.stringValue(), look, rect.width);
}

void PanelPainter::paintEditField(const NSTextField& field, const ScreenRect& rect) {
    const Glyphs& glyphs = canvas_.glyphs();
    const bool dimmed = field.textColor() == NSColor::grayColor || !field.isEditable() || !field.isEnabled();
    const uint8_t look = dimmed ? style::dim : style::underline;
    canvas_.fill(rect.row, rect.column, rect.width, dimmed ? glyphs.dimmedFieldFill : glyphs.fieldFill, look);
    const bool masked = field.isSecure() && focus_.revealed != &field;
    const std::string& shown = masked ? maskOf(field.stringValue()) : field.stringValue();
    const EditFieldView view = viewOfField(shown, field.selectedRange(), focused(field), rect.width, glyphs);
    canvas_.write(rect.row, rect.column, view.cells, look, rect.width);
    if (!focused(field)) return;
    canvas_.addStyle(rect.row, rect.column + view.selectionStart, view.selectionEnd - view.selectionStart,
                     style::reverse);
    canvas_.addStyle(rect.row, rect.column, rect.width, style::bold);
    canvas_.placeCursor(rect.row, rect.column + view.caretColumn);
}

void PanelPainter::paintProgress(const NSProgressIndicator& progress, const ScreenRect& rect) {
    const Glyphs& glyphs = canvas_.glyphs();
    if (glyphs.spinner.empty()) return;
    const size_t frame = progress.isAnimating() ? spinnerFrame_ % glyphs.spinner.size() : 0;
    canvas_.write(rect.row, rect.column, glyphs.spinner[frame], style::bold, rect.width);
}

}  // namespace host
