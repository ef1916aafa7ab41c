// Drawing into the screen: fields too long for their room, characters two
// columns wide.
#include <gtest/gtest.h>

#include <clocale>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/PanelGeometry.h"
#include "host/terminal/PanelPainter.h"
#include "host/terminal/ScreenLayout.h"
#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/NSView.h"
#include "tests/support/ScopedEnvironment.h"

using namespace screen_layout;

namespace {

template <class Control>
Control& place(NSView& view, std::unique_ptr<Control> control, int row, int column) {
    control->setLayoutPosition(row, column);
    return static_cast<Control&>(*view.addControl(std::move(control)));
}

NSTextField& placeField(NSView& view, int row, int column, const std::string& text) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(1);
    field->setEditable(true);
    field->setStringValue(text);
    return place(view, std::move(field), row, column);
}

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
    static std::string line(const Canvas& canvas, int layoutRow) { return canvas.rowText(kPanelTop + layoutRow); }
};

}  // namespace

TEST_F(PanelPainterTest, AFieldTooLongForItsRoomShowsTheCaretEndWhenFocused) {
    NSView view;
    NSTextField& field = placeField(view, 0, 0, "0123456789abcdefghij");
    place(view, std::make_unique<NSButton>(NSButtonType::lockButton), 0, 11);  // leaves the field 10 columns

    EXPECT_EQ(line(paint(view), 0).substr(1, 10), "012345678>");
    const Canvas focusedCanvas = paint(view, PanelFocus{&field, 0});
    const std::string focused = line(focusedCanvas, 0).substr(1, 10);
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
