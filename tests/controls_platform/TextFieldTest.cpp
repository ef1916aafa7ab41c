// Typing and erasing as the user, through the field's input filter.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/controls/NSNumberFormatter.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/NSView.h"
#include "tests/controls_platform/ActionLog.h"

using platform::UserResult;

namespace {

struct EditCall {
    std::u16string partial;
    NSRange proposed;
    std::u16string original;
    NSRange replaced;
};

// Accepts every edit and remembers what it was asked.
class RecordingFormatter : public NSNumberFormatter {
public:
    explicit RecordingFormatter(std::vector<EditCall>& calls) : calls_(calls) {}
    bool isPartialStringValid(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                              NSRange replaced, std::string*) const override {
        calls_.push_back(EditCall{partial, proposed, original, replaced});
        return true;
    }

private:
    std::vector<EditCall>& calls_;
};

class RefusingFormatter : public NSNumberFormatter {
public:
    bool isPartialStringValid(std::u16string&, NSRange&, const std::u16string&, NSRange, std::string*) const override {
        return false;
    }
};

// Refuses a caret beyond `max` by cutting the text to `max` units, wholly
// selected, and answering NO with the replacements.
class CuttingFormatter : public NSNumberFormatter {
public:
    explicit CuttingFormatter(std::size_t max) : max_(max) {}
    bool isPartialStringValid(std::u16string& partial, NSRange& proposed, const std::u16string&, NSRange,
                              std::string*) const override {
        if (proposed.location <= max_) return true;
        partial.resize(max_);
        proposed = NSRange{0, max_};
        return false;
    }

private:
    std::size_t max_;
};

// Accepts with a text of its own: upper-case ASCII.
class UpperCasingFormatter : public NSNumberFormatter {
public:
    bool isPartialStringValid(std::u16string& partial, NSRange&, const std::u16string&, NSRange,
                              std::string*) const override {
        std::transform(partial.begin(), partial.end(), partial.begin(),
                       [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; });
        return true;
    }
};

NSTextField& addEditField(NSView& view, int tag = 1) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(tag);
    field->setEditable(true);
    return static_cast<NSTextField&>(*view.addControl(std::move(field)));
}

}  // namespace

TEST(TextFieldTyping, EachCharacterIsOneEditAtTheEndOfTheText) {
    NSView view;
    NSTextField& field = addEditField(view);
    std::vector<EditCall> calls;
    field.cell().setFormatter(std::make_unique<RecordingFormatter>(calls));
    field.setStringValue("ab");

    EXPECT_EQ(field.userTypeText("cd"), UserResult::done);
    EXPECT_EQ(field.stringValue(), "abcd");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].original, u"ab");
    EXPECT_EQ(calls[0].replaced, NSMakeRange(2, 0));
    EXPECT_EQ(calls[0].partial, u"abc");
    EXPECT_EQ(calls[0].proposed, NSMakeRange(3, 0));
    EXPECT_EQ(calls[1].original, u"abc");
    EXPECT_EQ(calls[1].partial, u"abcd");
    EXPECT_EQ(field.selectedRange(), NSMakeRange(4, 0));
}

TEST(TextFieldTyping, SurrogatePairIsTypedAsOneEditOfTwoUnits) {
    NSView view;
    NSTextField& field = addEditField(view);
    std::vector<EditCall> calls;
    field.cell().setFormatter(std::make_unique<RecordingFormatter>(calls));

    field.userTypeText("x\xF0\x9D\x84\x9E");  // x 𝄞
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].partial, (std::u16string{u'x', 0xD834, 0xDD1E}));
    EXPECT_EQ(calls[1].replaced, NSMakeRange(1, 0));
    EXPECT_EQ(calls[1].proposed, NSMakeRange(3, 0));
    EXPECT_EQ(field.stringValue(), "x\xF0\x9D\x84\x9E");
}

TEST(TextFieldTyping, RefusedEditKeepsTheOriginalText) {
    NSView view;
    NSTextField& field = addEditField(view);
    field.setStringValue("12");
    field.cell().setFormatter(std::make_unique<RefusingFormatter>());
    EXPECT_EQ(field.userTypeText("3"), UserResult::done);
    EXPECT_EQ(field.stringValue(), "12");
    EXPECT_EQ(field.selectedRange(), NSMakeRange(2, 0));
    field.userEraseAll();
    EXPECT_EQ(field.stringValue(), "12");
}

TEST(TextFieldTyping, RefusalWithReplacementTakesTheReplacedTextAndSelection) {
    NSView view;
    NSTextField& field = addEditField(view);
    field.cell().setFormatter(std::make_unique<CuttingFormatter>(5));
    field.setStringValue("1234");
    field.userTypeText("5");
    EXPECT_EQ(field.stringValue(), "12345");
    field.userTypeText("6");
    EXPECT_EQ(field.stringValue(), "12345");
    EXPECT_EQ(field.selectedRange(), NSMakeRange(0, 5));

    // A text longer than the maximum is cut by the first edit, a deletion too.
    field.setStringValue("1234567");
    field.userEraseAll();  // caret 0: accepted
    EXPECT_EQ(field.stringValue(), "");
    field.setStringValue("1234567");
    field.userTypeText("8");
    EXPECT_EQ(field.stringValue(), "12345");
}

TEST(TextFieldTyping, NextCharacterReplacesTheSelectionThatAFilterLeft) {
    NSView view;
    NSTextField& field = addEditField(view);
    field.cell().setFormatter(std::make_unique<CuttingFormatter>(2));
    field.userTypeText("abcX");  // "c" cuts back to "ab" all selected; "X" replaces it
    EXPECT_EQ(field.stringValue(), "X");
}

TEST(TextFieldTyping, AcceptedEditTakesTheFiltersText) {
    NSView view;
    NSTextField& field = addEditField(view);
    field.cell().setFormatter(std::make_unique<UpperCasingFormatter>());
    field.userTypeText("ab");
    EXPECT_EQ(field.stringValue(), "AB");
}

TEST(TextFieldTyping, EraseAllReplacesTheWholeTextWithNothing) {
    NSView view;
    NSTextField& field = addEditField(view);
    std::vector<EditCall> calls;
    field.cell().setFormatter(std::make_unique<RecordingFormatter>(calls));
    field.setStringValue("\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");  // three bullets
    EXPECT_EQ(field.userEraseAll(), UserResult::done);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].replaced, NSMakeRange(0, 3));
    EXPECT_EQ(calls[0].partial, u"");
    EXPECT_EQ(calls[0].proposed, NSMakeRange(0, 0));
    EXPECT_EQ(field.stringValue(), "");
}

TEST(TextFieldTyping, UserEditsSendTheActionAndSettersDoNot) {
    NSView view;
    NSTextField& field = addEditField(view);
    ActionLog log;
    field.setAction(log.recorder());
    field.setStringValue("x");
    field.setEditable(true);
    field.setTextColor(NSColor::grayColor);
    EXPECT_TRUE(log.senders.empty());
    field.userTypeText("y");
    field.userEraseAll();
    EXPECT_EQ(log.senders, (std::vector<NSControl*>{&field, &field}));
}

TEST(TextFieldTyping, FieldsThatCannotBeEditedRefuseAndStayUnchanged) {
    NSView view;
    NSTextField& field = addEditField(view);
    ActionLog log;
    field.setAction(log.recorder());
    field.setStringValue("7");

    field.setEditable(false);
    EXPECT_EQ(field.userTypeText("1"), UserResult::notEditable);
    EXPECT_EQ(field.userEraseAll(), UserResult::notEditable);
    field.setEditable(true);
    field.setEnabled(false);
    EXPECT_EQ(field.userTypeText("1"), UserResult::disabled);
    field.setEnabled(true);
    field.setHidden(true);
    EXPECT_EQ(field.userTypeText("1"), UserResult::hidden);

    NSTextField label;  // tag 0, not editable
    label.setStringValue("Pass Code:");
    EXPECT_TRUE(label.isLabel());
    EXPECT_EQ(label.userTypeText("x"), UserResult::notEditable);

    EXPECT_EQ(field.stringValue(), "7");
    EXPECT_EQ(label.stringValue(), "Pass Code:");
    EXPECT_TRUE(log.senders.empty());
    EXPECT_EQ(view.window().firstResponder(), nullptr);
}

TEST(TextFieldFocus, TypingTakesTheFocusAndTheWindowRefusesFieldsThatCannotHaveIt) {
    NSView view;
    NSTextField& first = addEditField(view, 1);
    NSTextField& second = addEditField(view, 2);
    NSWindow& window = view.window();
    EXPECT_EQ(&first.window(), &window);

    second.userTypeText("a");
    EXPECT_EQ(window.firstResponder(), &second);
    EXPECT_TRUE(window.makeFirstResponder(&first));
    EXPECT_EQ(window.firstResponder(), &first);

    second.setSelectable(false);
    EXPECT_FALSE(window.makeFirstResponder(&second));
    EXPECT_EQ(window.firstResponder(), &first);

    NSView otherView;
    NSTextField& foreign = addEditField(otherView);
    EXPECT_FALSE(window.makeFirstResponder(&foreign));
    EXPECT_TRUE(window.makeFirstResponder(nullptr));
    EXPECT_EQ(window.firstResponder(), nullptr);

    NSTextField loose;  // in no window: typing works, no focus to take
    loose.setTag(3);
    loose.setEditable(true);
    EXPECT_EQ(loose.userTypeText("z"), UserResult::done);
    EXPECT_FALSE(loose.window().makeFirstResponder(&loose));
    EXPECT_EQ(loose.window().firstResponder(), nullptr);
}

TEST(TextFieldFocus, EditableAndSelectableGoTogetherAsOnThePlatform) {
    NSTextField field;
    field.setEditable(true);
    EXPECT_TRUE(field.isSelectable());
    field.setSelectable(false);
    EXPECT_FALSE(field.isEditable());
    field.setSelectable(true);
    EXPECT_FALSE(field.isEditable());
}
