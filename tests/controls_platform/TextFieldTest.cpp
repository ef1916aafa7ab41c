// Typing, Backspace and erasing as the user, through the field's input
// filter, and the keyboard focus that a field may take.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/controls/NSTextField.h"
#include "platform/controls/NSView.h"
#include "tests/controls_platform/ActionLog.h"
#include "tests/controls_platform/EditFilter.h"

using platform::UserResult;

namespace {

struct EditCall {
    std::u16string partial;
    NSRange proposed;
    std::u16string original;
    NSRange replaced;
};

NSTextField& addEditField(NSView& view, EditFilter::Check check = {}, int tag = 1) {
    auto field = std::make_unique<NSTextField>();
    field->setTag(tag);
    field->setEditable(true);
    if (check) field->cell().setFormatter(std::make_unique<EditFilter>(std::move(check)));
    return static_cast<NSTextField&>(*view.addControl(std::move(field)));
}

}  // namespace

TEST(TextFieldTyping, TheFilterSeesEachCharacterAndEraseAllAsOneEditInUtf16Units) {
    NSView view;
    std::vector<EditCall> calls;
    NSTextField& field = addEditField(view, [&](std::u16string& partial, NSRange& proposed,
                                                const std::u16string& original, NSRange replaced) {
        calls.push_back(EditCall{partial, proposed, original, replaced});
        return true;
    });
    field.setStringValue("ab");
    EXPECT_EQ(field.userTypeText("c\xF0\x9D\x84\x9E"), UserResult::done);  // c 𝄞
    EXPECT_EQ(field.stringValue(), "abc\xF0\x9D\x84\x9E");
    ASSERT_EQ(calls.size(), 2u) << "the surrogate pair is one edit";
    EXPECT_EQ(calls[0].original, u"ab");
    EXPECT_EQ(calls[0].replaced, NSMakeRange(2, 0));
    EXPECT_EQ(calls[0].partial, u"abc");
    EXPECT_EQ(calls[0].proposed, NSMakeRange(3, 0));
    EXPECT_EQ(calls[1].original, u"abc");
    EXPECT_EQ(calls[1].partial, (std::u16string{u'a', u'b', u'c', 0xD834, 0xDD1E}));
    EXPECT_EQ(calls[1].proposed, NSMakeRange(5, 0));
    EXPECT_EQ(field.selectedRange(), NSMakeRange(5, 0));

    calls.clear();
    field.setStringValue("\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");  // three bullets
    EXPECT_EQ(field.userEraseAll(), UserResult::done);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].replaced, NSMakeRange(0, 3));
    EXPECT_EQ(calls[0].partial, u"");
    EXPECT_EQ(calls[0].proposed, NSMakeRange(0, 0));
    EXPECT_EQ(field.stringValue(), "");
}

TEST(TextFieldTyping, TheFiltersAnswerDecidesTheTextAndTheSelection) {
    NSView view;
    NSTextField& refusing = addEditField(view, [](auto&, auto&, auto&, auto) { return false; });
    refusing.setStringValue("12");
    refusing.userTypeText("3");
    EXPECT_EQ(refusing.selectedRange(), NSMakeRange(2, 0));
    refusing.userEraseAll();
    EXPECT_EQ(refusing.stringValue(), "12") << "a plain NO keeps the original";

    NSTextField& upperCasing = addEditField(view, [](std::u16string& partial, auto&, auto&, auto) {
        std::transform(partial.begin(), partial.end(), partial.begin(),
                       [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; });
        return true;
    }, 2);
    upperCasing.userTypeText("ab");
    EXPECT_EQ(upperCasing.stringValue(), "AB") << "a YES takes the filter's text";

    NSTextField& cutting = addEditField(view, cutAt(5), 3);
    cutting.setStringValue("1234");
    cutting.userTypeText("56");
    EXPECT_EQ(cutting.stringValue(), "12345") << "a NO with replacements takes them";
    EXPECT_EQ(cutting.selectedRange(), NSMakeRange(0, 5));
    // A text longer than the maximum is cut by the first edit, a deletion too.
    cutting.setStringValue("1234567");
    cutting.userEraseAll();  // caret 0: accepted
    EXPECT_EQ(cutting.stringValue(), "");
    cutting.setStringValue("1234567");
    cutting.userTypeText("8");
    EXPECT_EQ(cutting.stringValue(), "12345");

    NSTextField& cutAtTwo = addEditField(view, cutAt(2), 4);
    cutAtTwo.userTypeText("abcX");  // "c" cuts back to "ab" all selected; "X" replaces it
    EXPECT_EQ(cutAtTwo.stringValue(), "X");
}

TEST(TextFieldTyping, KeyByKeyInsertionEndsAsTypingTheWholeTextDoes) {
    for (const std::string typed : {"12345", "1234567", "12a34", "9999999999"}) {
        SCOPED_TRACE(typed);
        NSView view;
        NSTextField& scripted = addEditField(view, cutAt(5, true), 1);
        NSTextField& keyed = addEditField(view, cutAt(5, true), 2);
        ASSERT_EQ(scripted.userTypeText(typed), UserResult::done);
        ASSERT_EQ(keyed.userTypeText(typed.substr(0, 1)), UserResult::done);
        for (size_t index = 1; index < typed.size(); ++index)
            ASSERT_EQ(keyed.userInsertText(typed.substr(index, 1)), UserResult::done);
        EXPECT_EQ(keyed.stringValue(), scripted.stringValue());
        EXPECT_EQ(keyed.selectedRange(), scripted.selectedRange());
    }
}

TEST(TextFieldTyping, BackspaceDeletesTheSelectionOrTheCharacterBeforeTheCaret) {
    NSView view;
    NSTextField& field = addEditField(view, cutAt(5, true));
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

    NSTextField& name = addEditField(view, {}, 2);
    name.userTypeText("Ab\U0001F600");
    name.userDeleteBackward();
    EXPECT_EQ(name.stringValue(), "Ab") << "a surrogate pair goes as one character";
}

TEST(TextFieldTyping, UserEditsSendTheActionAndSettersDoNot) {
    NSView view;
    NSTextField& field = addEditField(view);
    ActionLog log;
    field.setAction(log.recorder());
    field.setStringValue("x");
    field.setTextColor(NSColor::grayColor);
    EXPECT_TRUE(log.senders.empty());
    field.userTypeText("y");
    field.userEraseAll();
    field.userInsertText("z");
    field.userDeleteBackward();
    EXPECT_EQ(log.senders, (std::vector<NSControl*>{&field, &field, &field, &field}));
}

TEST(TextFieldTyping, FieldsThatCannotBeEditedRefuseAndStayUnchanged) {
    NSView view;
    NSTextField& field = addEditField(view);
    ActionLog log;
    field.setAction(log.recorder());
    field.setStringValue("7");

    field.setEditable(false);
    for (const UserResult result : {field.userTypeText("1"), field.userEraseAll(), field.userInsertText("1"),
                                    field.userDeleteBackward()})
        EXPECT_EQ(result, UserResult::notEditable);
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
    NSTextField& first = addEditField(view, {}, 1);
    NSTextField& second = addEditField(view, {}, 2);
    NSWindow& window = view.window();
    EXPECT_EQ(&first.window(), &window);

    second.userTypeText("a");
    EXPECT_EQ(window.firstResponder(), &second);
    EXPECT_TRUE(window.makeFirstResponder(&first));
    EXPECT_EQ(window.firstResponder(), &first);

    second.setSelectable(false);
    EXPECT_FALSE(second.isEditable()) << "a field that cannot be selected cannot be edited";
    second.setSelectable(true);
    EXPECT_FALSE(second.isEditable());
    second.setSelectable(false);
    EXPECT_FALSE(window.makeFirstResponder(&second));
    EXPECT_EQ(window.firstResponder(), &first);
    second.setEditable(true);
    EXPECT_TRUE(second.isSelectable()) << "an editable field is selectable";

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
