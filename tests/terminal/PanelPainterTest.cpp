// Drawing the panel's controls into the screen: padlocks, dimming, frames,
// fields too long for their room, the opened folder menu.
#include <gtest/gtest.h>

#include <clocale>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/Key.h"
#include "host/terminal/PanelGeometry.h"
#include "host/terminal/PanelPainter.h"
#include "host/terminal/PopUpList.h"
#include "host/terminal/ScreenLayout.h"
#include "platform/controls/NSBox.h"
#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSMenuItem.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/NSView.h"
#include "tests/controls_platform/EditFilter.h"
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

std::shared_ptr<NSImage> image(const std::string& name) {
    return std::make_shared<NSImage>("/icons/" + name + ".png", NSSize{18, 18});
}

class PanelPainterTest : public testing::Test {
protected:
    // Widths of the padlocks and other marks are the C library's, by locale.
    ScopedLocale locale{LC_CTYPE, "C.UTF-8"};
    Glyphs unicode = unicodeGlyphs();
    Glyphs ascii = asciiGlyphs();

    Canvas paint(const NSView& view, const Glyphs& glyphs, PanelFocus focus = {}) {
        Canvas canvas(kRows, kColumns, glyphs);
        const PanelGeometry geometry(view, glyphs);
        PanelPainter(canvas, geometry, focus, 0).paint();
        return canvas;
    }
    static std::string line(const Canvas& canvas, int layoutRow) { return canvas.rowText(kPanelTop + layoutRow); }
};

}  // namespace

TEST_F(PanelPainterTest, LockButtonsShowThePadlockOfTheImageTheyDisplay) {
    NSView view;
    NSButton& withIcons = place(view, std::make_unique<NSButton>(NSButtonType::lockButton), 0, 0);
    withIcons.setImage(image("ulck"));
    withIcons.setAlternateImage(image("lock"));
    NSButton& withoutIcons = place(view, std::make_unique<NSButton>(NSButtonType::lockButton), 1, 0);

    EXPECT_EQ(line(paint(view, unicode), 0).substr(0, 7), " [\U0001F513]");
    EXPECT_EQ(line(paint(view, ascii), 1).substr(0, 7), " [open]");
    withIcons.setState(1);
    withoutIcons.setState(1);
    EXPECT_EQ(line(paint(view, unicode), 0).substr(0, 7), " [\U0001F512]");
    EXPECT_EQ(line(paint(view, ascii), 0).substr(0, 7), " [lock]");
    EXPECT_EQ(line(paint(view, ascii), 1).substr(0, 7), " [lock]") << "without images, the state decides";
}

TEST_F(PanelPainterTest, DimmedLabelsFieldsAndDisabledControlsAreDrawnDim) {
    NSView view;
    NSTextField& label = place(view, std::make_unique<NSTextField>(), 0, 0);
    label.setStringValue("Pass Code:");
    NSTextField& field = placeField(view, 0, 22, "12");
    NSMatrix& matrix = place(view, std::make_unique<NSMatrix>(), 1, 0);
    matrix.addCell(std::make_unique<NSButtonCell>("Hold Only"));
    matrix.selectCellAtRow(0, 0);

    Canvas plain = paint(view, ascii);
    EXPECT_EQ(plain.at(kPanelTop, kPanelLeft).style & style::dim, 0);
    EXPECT_EQ(plain.at(kPanelTop, kPanelLeft + 22).style & style::dim, 0);
    EXPECT_NE(line(plain, 0).find("12___"), std::string::npos) << line(plain, 0);

    label.setTextColor(NSColor::grayColor);
    field.setEditable(false);
    field.setSelectable(false);
    field.setTextColor(NSColor::grayColor);
    matrix.setEnabled(false);
    Canvas dimmed = paint(view, ascii);
    EXPECT_NE(dimmed.at(kPanelTop, kPanelLeft).style & style::dim, 0);
    EXPECT_NE(dimmed.at(kPanelTop, kPanelLeft + 22).style & style::dim, 0);
    EXPECT_NE(line(dimmed, 0).find("12..."), std::string::npos) << "a dimmed field is filled apart: " << line(dimmed, 0);
    EXPECT_NE(dimmed.at(kPanelTop + 1, kPanelLeft).style & style::dim, 0);
    EXPECT_EQ(line(dimmed, 1).substr(0, 14), " (*) Hold Only");
}

TEST_F(PanelPainterTest, AFieldTooLongForItsRoomShowsTheCaretEndWhenFocused) {
    NSView view;
    NSTextField& field = placeField(view, 0, 0, "0123456789abcdefghij");
    place(view, std::make_unique<NSButton>(NSButtonType::lockButton), 0, 11);  // leaves the field 10 columns

    const std::string unfocused = line(paint(view, ascii), 0).substr(1, 10);
    EXPECT_EQ(unfocused, "012345678>");
    const Canvas focusedCanvas = paint(view, ascii, PanelFocus{&field, 0});
    const std::string focused = line(focusedCanvas, 0).substr(1, 10);
    EXPECT_EQ(focused.front(), '<');
    EXPECT_NE(focused.find("hij"), std::string::npos) << focused;
    EXPECT_TRUE(focusedCanvas.cursor().visible);
    EXPECT_EQ(focusedCanvas.cursor().column, kPanelLeft + static_cast<int>(focused.find("hij")) + 3)
        << "the cursor stands after the last character";
}

TEST_F(PanelPainterTest, TheSelectionThatAFilterLeftIsShownReversed) {
    NSView view;
    NSTextField& field = placeField(view, 0, 0, "");
    field.userTypeText("abc");
    // Select "bc" the way a filter does: refuse the edit with a selection.
    field.cell().setFormatter(std::make_unique<EditFilter>([](auto& partial, NSRange& proposed, auto& original, auto) {
        partial = original;
        proposed = NSRange{1, 2};
        return false;
    }));
    field.userTypeText("d");
    const Canvas canvas = paint(view, ascii, PanelFocus{&field, 0});
    EXPECT_EQ(canvas.at(kPanelTop, kPanelLeft).style & style::reverse, 0);
    EXPECT_NE(canvas.at(kPanelTop, kPanelLeft + 1).style & style::reverse, 0);
    EXPECT_NE(canvas.at(kPanelTop, kPanelLeft + 2).style & style::reverse, 0);
    EXPECT_EQ(canvas.at(kPanelTop, kPanelLeft + 3).style & style::reverse, 0);
}

TEST_F(PanelPainterTest, StackedBoxesShareTheirBorderLine) {
    NSView view;
    place(view, std::make_unique<NSBox>(), 0, 0).setTitle("First");
    place(view, std::make_unique<NSButton>(NSButtonType::checkBox), 1, 2).setTitle("Inside");
    place(view, std::make_unique<NSBox>(), 2, 0).setTitle("Second");
    place(view, std::make_unique<NSButton>(NSButtonType::checkBox), 3, 2).setTitle("Also inside");
    const Canvas canvas = paint(view, ascii);
    EXPECT_EQ(line(canvas, 0).substr(0, 12), " +- First --");
    EXPECT_EQ(line(canvas, 1).substr(0, 13), " | [ ] Inside");
    EXPECT_EQ(line(canvas, 1)[kPanelLeft + kPanelWidth - 1], '|') << "frames reach the panel's edge";
    EXPECT_EQ(line(canvas, 2).substr(0, 13), " +- Second --");
    EXPECT_EQ(line(canvas, 4).substr(0, 4), " +--");

    const Canvas boxed = paint(view, unicode);
    EXPECT_EQ(line(boxed, 2).substr(0, 4), " \u251C") << "joined with a tee: " << line(boxed, 2);
    EXPECT_EQ(line(boxed, 4).substr(0, 4), " \u2514");
}

TEST_F(PanelPainterTest, AMaskedLoginNameIsDrawnWithAsciiStarsWhereBulletsCannotBeShown) {
    NSView view;
    placeField(view, 0, 0, "\u2022\u2022\u2022");
    EXPECT_EQ(line(paint(view, ascii), 0).substr(1, 4), "***_");
    EXPECT_EQ(line(paint(view, unicode), 0).substr(1, 10), "\u2022\u2022\u2022_");
}

TEST_F(PanelPainterTest, TheOpenedFolderMenuMarksProtectedFoldersAndPassesSeparators) {
    NSView view;
    NSPopUpButton& popUp = place(view, std::make_unique<NSPopUpButton>(), 4, 20);
    for (const char* title : {"Quick File", "Main Folder"}) {
        auto item = std::make_unique<NSMenuItem>(title);
        item->setImage(image("space"));
        popUp.menu().addItem(std::move(item));
    }
    popUp.menu().addItem(NSMenuItem::separatorItem());
    auto secret = std::make_unique<NSMenuItem>("Secret");
    secret->setImage(image("lock"));
    popUp.menu().addItem(std::move(secret));
    popUp.selectItemAtIndex(1);

    const PanelGeometry geometry(view, ascii);
    PopUpList menu(popUp, geometry.rectOf(&popUp));
    EXPECT_EQ(menu.highlighted(), 1);
    EXPECT_EQ(menu.handle(Key::of(KeyCode::down)), PopUpList::Outcome::open);
    EXPECT_EQ(menu.highlighted(), 3) << "the separator is passed over";
    EXPECT_EQ(menu.handle(Key::of(KeyCode::down)), PopUpList::Outcome::open);
    EXPECT_EQ(menu.highlighted(), 3) << "and the walk stops at the last item";

    Canvas canvas = paint(view, ascii);
    menu.paint(canvas);
    const int first = kPanelTop + 5;
    EXPECT_NE(canvas.rowText(first + 1).find("Quick File"), std::string::npos) << canvas.rowText(first + 1);
    EXPECT_NE(canvas.rowText(first + 3).find("|-----"), std::string::npos) << canvas.rowText(first + 3);
    EXPECT_NE(canvas.rowText(first + 4).find("[lock] Secret"), std::string::npos) << canvas.rowText(first + 4);
    EXPECT_EQ(canvas.rowText(first + 2).find("[lock]"), std::string::npos);
    EXPECT_EQ(canvas.cursor().row, first + 4);

    EXPECT_EQ(menu.handle(Key::typed(" ")), PopUpList::Outcome::chosen);
    EXPECT_EQ(menu.handle(Key::of(KeyCode::escape)), PopUpList::Outcome::closed);
}

TEST_F(PanelPainterTest, TwoColumnCharactersStayWholeWhenOverwritten) {
    Canvas canvas(1, 10, unicode);
    canvas.write(0, 0, "a\U0001F512b", style::plain);
    EXPECT_EQ(canvas.rowText(0), "a\U0001F512b      ");
    canvas.write(0, 2, "x", style::plain);
    EXPECT_EQ(canvas.rowText(0), "a xb      ") << "the padlock's left half is blanked";
    canvas.write(0, 8, "\U0001F513\U0001F513", style::plain);
    EXPECT_EQ(canvas.rowText(0), "a xb    \U0001F513") << "what does not fit is dropped";
    Canvas narrow(1, 3, unicode);
    EXPECT_EQ(narrow.write(0, 0, "ab\U0001F512", style::plain, 3), 3);
    EXPECT_EQ(narrow.rowText(0), "ab ");
}

TEST_F(PanelPainterTest, EachCellOfAMatrixReachesToTheNextControlOnItsOwnRow) {
    NSView view;
    NSMatrix& matrix = place(view, std::make_unique<NSMatrix>(), 0, 0);
    matrix.addCell(std::make_unique<NSButtonCell>("Login Name and Password"));
    matrix.addCell(std::make_unique<NSButtonCell>("User Number and more"));
    placeField(view, 1, 16, "");
    const Canvas canvas = paint(view, ascii);
    EXPECT_EQ(line(canvas, 0).substr(0, 28), " ( ) Login Name and Password");
    EXPECT_EQ(line(canvas, 1).substr(0, 19), " ( ) User Number __") << "cut one column before the field";
}
