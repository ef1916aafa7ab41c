// Drawing into the screen: fields too long for their room, characters two
// columns wide.
#include <gtest/gtest.h>

#include <clocale>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/PanelGeometry.h"
#include "host/terminal/PanelPainter.h"
#include "host/terminal/Terminal.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"
#include "tests/support/ScopedEnvironment.h"

namespace host {

using namespace screen_layout;

namespace {

class PanelPainterTest : public testing::Test {
protected:
    // Widths of the padlocks and other marks are the C library's, by locale.
    ScopedLocale locale{LC_CTYPE, "C.UTF-8"};
    Glyphs ascii = asciiGlyphs();

    Canvas paint(const NSView& view, PanelFocus focus = {}) {
        Canvas canvas(kRows, kColumns, ascii);
        PanelPainter(canvas, PanelGeometry(view, ascii), focus, 0).paint();
        return canvas;
    }
};

}  // namespace

TEST_F(PanelPainterTest, AFieldTooLongForItsRoomShowsTheCaretEndWhenFocused) {
    NSView view;
    auto field = std::make_unique<NSTextField>();
    field->setTag(1);
    field->setEditable(true);
    field->setStringValue("0123456789abcdefghij");
    auto lock = std::make_unique<NSButton>(NSButtonType::lockButton);
    lock->setLayoutPosition(0, 11);  // leaves the field 10 columns
    NSControl* const fieldControl = view.addControl(std::move(field));
    view.addControl(std::move(lock));

    EXPECT_EQ(paint(view).rowText(kPanelTop).substr(1, 10), "012345678>");
    const Canvas focusedCanvas = paint(view, PanelFocus{fieldControl, 0});
    const std::string focused = focusedCanvas.rowText(kPanelTop).substr(1, 10);
    EXPECT_EQ(focused.front(), '<');
    EXPECT_EQ(focusedCanvas.cursor().column, kPanelLeft + static_cast<int>(focused.find("hij")) + 3)
        << "the cursor stands after the last character: " << focused;
}

TEST_F(PanelPainterTest, TwoColumnCharactersStayWholeWhenOverwritten) {
    const Glyphs unicode = unicodeGlyphs();
    Canvas canvas(1, 10, unicode);
    canvas.write(0, 0, "a\U0001F512b", style::plain);
    canvas.write(0, 2, "x", style::plain);
    EXPECT_EQ(canvas.rowText(0), "a xb      ") << "the padlock's left half is blanked";
    canvas.write(0, 8, "\U0001F513\U0001F513", style::plain);
    EXPECT_EQ(canvas.rowText(0), "a xb    \U0001F513") << "what does not fit is dropped";
    Canvas narrow(1, 3, unicode);
    EXPECT_EQ(narrow.write(0, 0, "ab\U0001F512", style::plain, 3), 3);
    EXPECT_EQ(narrow.rowText(0), "ab ");
}

}  // namespace host
