// Typing, Backspace, Delete and pasting: each goes through the field's
// input filter, key by key the same as the scripted `type` and `erase`.
#include <gtest/gtest.h>

#include "platform/controls/NSNumberFormatter.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/NSView.h"
#include "tests/terminal/PtyDialog.h"

using platform::UserResult;

namespace {

// Like the panel's counting filters: digits only, and a caret past the
// maximum cuts the text to it, wholly selected.
class DigitsFilter : public NSNumberFormatter {
public:
    explicit DigitsFilter(std::size_t max) : max_(max) {}
    bool isPartialStringValid(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                              NSRange replaced, std::string*) const override {
        if (proposed.location > max_) {
            partial.resize(max_);
            proposed = NSRange{0, max_};
            return false;
        }
        if (proposed.location <= replaced.location) return true;  // a deletion
        const char16_t first = partial[replaced.location];
        return first >= u'0' && first <= u'9' && original.size() < max_;
    }

private:
    std::size_t max_;
};

NSTextField& filteredField(NSView& view) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(1);
    field->setEditable(true);
    field->cell().setFormatter(std::make_unique<DigitsFilter>(5));
    return static_cast<NSTextField&>(*view.addControl(std::move(field)));
}

}  // namespace

TEST(FieldEditing, KeyByKeyEndsAsTheScriptedTypeDoes) {
    for (const std::string typed : {"12345", "1234567", "12a34", "9999999999"}) {
        SCOPED_TRACE(typed);
        NSView scriptedView, keyedView;
        NSTextField& scripted = filteredField(scriptedView);
        NSTextField& keyed = filteredField(keyedView);
        ASSERT_EQ(scripted.userTypeText(typed), UserResult::done);
        ASSERT_EQ(keyed.userTypeText(typed.substr(0, 1)), UserResult::done);
        for (size_t index = 1; index < typed.size(); ++index)
            ASSERT_EQ(keyed.userInsertText(typed.substr(index, 1)), UserResult::done);
        EXPECT_EQ(keyed.stringValue(), scripted.stringValue());
        EXPECT_EQ(keyed.selectedRange(), scripted.selectedRange());
    }
}

TEST(FieldEditing, BackspaceDeletesTheSelectionOrTheCharacterBeforeTheCaret) {
    NSView view;
    NSTextField& field = filteredField(view);
    field.userTypeText("123");
    EXPECT_EQ(field.userDeleteBackward(), UserResult::done);
    EXPECT_EQ(field.stringValue(), "12");
    // A sixth digit leaves five, all selected: Backspace then takes them all.
    field.userInsertText("3456");
    EXPECT_EQ(field.stringValue(), "12345");
    EXPECT_EQ(field.selectedRange(), (NSRange{0, 5}));
    field.userDeleteBackward();
    EXPECT_EQ(field.stringValue(), "");
    EXPECT_EQ(field.userDeleteBackward(), UserResult::done) << "nothing left to delete";
    EXPECT_EQ(field.stringValue(), "");

    NSView unfiltered;
    auto plain = std::make_unique<NSTextField>();
    plain->setTag(2);
    plain->setEditable(true);
    auto& name = static_cast<NSTextField&>(*unfiltered.addControl(std::move(plain)));
    name.userTypeText("Ab\U0001F600");
    name.userDeleteBackward();
    EXPECT_EQ(name.stringValue(), "Ab") << "a surrogate pair goes as one character";

    name.setEditable(false);
    EXPECT_EQ(name.userDeleteBackward(), UserResult::notEditable);
    EXPECT_EQ(name.userInsertText("x"), UserResult::notEditable);
    EXPECT_EQ(name.stringValue(), "Ab");
}

TEST(FieldEditing, KeysAndPastesInTheTerminal) {
    PtyDialog dialog({});
    dialog.waitForText("Printer's Address:");
    // The device address has no input filter, whatever the panel installs.
    ScreenFrame screen = dialog.pressUntil(
        keys::backTab,
        [](const ScreenFrame& s) {
            const int row = s.rowOf("Printer's Address:");
            return s.cursorOn(row) && s.cursorColumn > s.columnOf(row, ":");
        },
        "the cursor in the address field");
    dialog.send(keys::deleteKey);
    dialog.send("10.0.0.9");
    screen = dialog.waitForText("Printer's Address:    10.0.0.9_");
    const int row = screen.rowOf("Printer's Address:");
    screen = dialog.press(keys::backspace);
    EXPECT_NE(screen.text[static_cast<size_t>(row)].find("10.0.0._"), std::string::npos) << screen.picture();
    screen = dialog.press(keys::deleteKey);
    EXPECT_NE(screen.text[static_cast<size_t>(row)].find(":    ____"), std::string::npos) << screen.picture();

    // A bracketed paste arrives whole; its line break has no place in the field.
    dialog.send(std::string(keys::pasteBegin) + "printer.local:8080\r\n" + keys::pasteEnd);
    screen = dialog.waitForText("printer.local:8080_");
    // A space is typed into a field, not taken as a press.
    dialog.send(keys::space);
    dialog.send("x");
    screen = dialog.waitForText("printer.local:8080 x_");
    dialog.send(keys::escape);
    EXPECT_EQ(dialog.waitForExit(), 1);
}
