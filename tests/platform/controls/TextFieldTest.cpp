// Typing, Backspace and erasing as the user, through the field's input
// filter, and the refusals of fields that cannot be edited or focused.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"

using platform::UserResult;

namespace {

// An input filter whose edit check a test writes as a lambda.
class EditFilter : public NSNumberFormatter {
public:
    using Check = std::function<bool(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                                     NSRange replaced)>;
    explicit EditFilter(Check check) : check_(std::move(check)) {}
    bool isPartialStringValid(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                              NSRange replaced, std::string*) const override {
        return check_(partial, proposed, original, replaced);
    }

private:
    Check check_;
};

// The check the panel's counting filters make: a caret past `max` cuts the
// text to `max` units, wholly selected, and answers NO with the
// replacements; with `digitsOnly` it also refuses a character that is not a
// digit or would make the text longer than `max`.
EditFilter::Check cutAt(std::size_t max, bool digitsOnly = false) {
    return [=](std::u16string& partial, NSRange& proposed, const std::u16string& original, NSRange replaced) {
        if (proposed.location > max) {
            partial.resize(max);
            proposed = NSRange{0, max};
            return false;
        }
        if (!digitsOnly || proposed.location <= replaced.location) return true;  // a deletion
        const char16_t first = partial[replaced.location];
        return first >= u'0' && first <= u'9' && original.size() < max;
    };
}

struct EditCall {
    std::u16string partial;
    NSRange proposed;
    std::u16string original;
    NSRange replaced;
    bool operator==(const EditCall&) const = default;
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
    NSTextField& field = addEditField(
        view, [&](std::u16string& partial, NSRange& proposed, const std::u16string& original, NSRange replaced) {
            calls.push_back(EditCall{partial, proposed, original, replaced});
            return true;
        });
    field.setStringValue("ab");
    EXPECT_EQ(field.userTypeText("c\xF0\x9D\x84\x9E"), UserResult::done);  // c 𝄞
    ASSERT_EQ(calls.size(), 2u) << "the surrogate pair is one edit";
    EXPECT_TRUE(
        (calls[1] == EditCall{{u'a', u'b', u'c', 0xD834, 0xDD1E}, NSMakeRange(5, 0), u"abc", NSMakeRange(3, 0)}));

    calls.clear();
    field.setStringValue("\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");  // three bullets
    EXPECT_EQ(field.userEraseAll(), UserResult::done);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE((calls[0] == EditCall{u"", NSMakeRange(0, 0), u"\u2022\u2022\u2022", NSMakeRange(0, 3)}));
}

TEST(TextFieldTyping, TheFiltersAnswerDecidesTheTextAndTheSelection) {
    NSView view;
    NSTextField& refusing = addEditField(view, [](auto&, auto&, auto&, auto) { return false; });
    refusing.setStringValue("12");
    refusing.userEraseAll();
    EXPECT_EQ(refusing.stringValue(), "12") << "a plain NO keeps the original";

    NSTextField& replacing = addEditField(
        view,
        [](std::u16string& partial, auto&, auto&, auto) {
            partial = std::u16string(1, u'X');
            return true;
        },
        2);
    replacing.userTypeText("ab");
    EXPECT_EQ(replacing.stringValue(), "ab") << "a YES takes the edit as proposed, and the next edit too";

    NSTextField& cutting = addEditField(view, cutAt(5), 3);
    cutting.setStringValue("1234");
    cutting.userTypeText("56");
    EXPECT_EQ(cutting.stringValue(), "12345") << "a NO with replacements takes them";
    EXPECT_EQ(cutting.selectedRange(), NSMakeRange(0, 5));
    // A text longer than the maximum is cut by the first edit.
    cutting.setStringValue("1234567");
    cutting.userTypeText("8");
    EXPECT_EQ(cutting.stringValue(), "12345");
}

TEST(TextFieldTyping, BackspaceDeletesTheSelectionOrTheCharacterBeforeTheCaret) {
    NSView view;
    NSTextField& field = addEditField(view, cutAt(5, true));
    field.userTypeText("123456");  // the sixth digit leaves five, all selected
    field.userDeleteBackward();
    EXPECT_EQ(field.stringValue(), "");
    EXPECT_EQ(field.userDeleteBackward(), UserResult::done) << "nothing left to delete";

    NSTextField& name = addEditField(view, {}, 2);
    name.userTypeText("Ab\U0001F600");
    name.userDeleteBackward();
    EXPECT_EQ(name.stringValue(), "Ab") << "a surrogate pair goes as one character";
}

TEST(TextFieldTyping, FieldsThatCannotBeEditedRefuseAndStayUnchanged) {
    NSView view;
    NSTextField& field = addEditField(view);
    bool sent = false;
    field.setAction([&](NSControl*) { sent = true; });
    field.setStringValue("7");

    field.setEditable(false);
    for (const UserResult result :
         {field.userTypeText("1"), field.userEraseAll(), field.userInsertText("1"), field.userDeleteBackward()})
        EXPECT_EQ(result, UserResult::notEditable);
    field.setEditable(true);
    field.setEnabled(false);
    EXPECT_EQ(field.userTypeText("1"), UserResult::disabled);
    NSTextField label;  // tag 0: a label, never editable
    EXPECT_EQ(label.userTypeText("x"), UserResult::notEditable);

    EXPECT_EQ(field.stringValue(), "7");
    EXPECT_FALSE(sent);
    EXPECT_EQ(view.window().firstResponder(), nullptr);
}

TEST(TextFieldFocus, TheWindowRefusesFieldsThatCannotHaveTheFocus) {
    NSView view;
    NSTextField& first = addEditField(view, {}, 1);
    NSTextField& second = addEditField(view, {}, 2);
    NSWindow& window = view.window();
    second.userTypeText("a");
    EXPECT_EQ(window.firstResponder(), &second) << "typing takes the focus";
    ASSERT_TRUE(window.makeFirstResponder(&first));

    second.setSelectable(false);
    EXPECT_FALSE(second.isEditable()) << "a field that cannot be selected cannot be edited";
    EXPECT_FALSE(window.makeFirstResponder(&second));
    NSView otherView;
    EXPECT_FALSE(window.makeFirstResponder(&addEditField(otherView)));
    EXPECT_EQ(window.firstResponder(), &first);
}

TEST(TextFieldCaret, ArrowsHomeAndEndMoveTheCaretOverWholeCharactersAndSendNoAction) {
    NSView view;
    NSTextField& field = addEditField(view);
    int actions = 0;
    field.setAction([&](NSControl*) { ++actions; });
    field.setStringValue(
        "a\xF0\x9F\x98\x80"
        "c");  // a 😀 c: four code units
    using Move = NSTextField::CaretMove;
    const struct {
        Move move;
        std::size_t caret;
    } steps[] = {{Move::left, 3},  {Move::left, 1}, {Move::left, 0},  {Move::left, 0}, {Move::right, 1},
                 {Move::right, 3}, {Move::end, 4},  {Move::right, 4}, {Move::start, 0}};
    for (const auto& step : steps) {
        EXPECT_EQ(field.userMoveCaret(step.move), UserResult::done);
        EXPECT_EQ(field.selectedRange(), NSMakeRange(step.caret, 0)) << "move " << static_cast<int>(step.move);
    }
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(view.window().firstResponder(), &field);

    field.setEnabled(false);
    EXPECT_EQ(field.userMoveCaret(Move::end), UserResult::disabled);
}

TEST(TextFieldCaret, TypingAndDeletingHappenAtTheCaretThroughTheFilter) {
    NSView view;
    std::vector<EditCall> calls;
    const EditFilter::Check fiveDigits = cutAt(5, true);
    NSTextField& field = addEditField(
        view, [&](std::u16string& partial, NSRange& proposed, const std::u16string& original, NSRange replaced) {
            calls.push_back(EditCall{partial, proposed, original, replaced});
            return fiveDigits(partial, proposed, original, replaced);
        });
    int actions = 0;
    field.setAction([&](NSControl*) { ++actions; });
    field.setStringValue("1234");
    field.userMoveCaret(NSTextField::CaretMove::start);
    field.userMoveCaret(NSTextField::CaretMove::right);
    EXPECT_EQ(field.userInsertText("9x8"), UserResult::done);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE((calls[0] == EditCall{u"19234", NSMakeRange(2, 0), u"1234", NSMakeRange(1, 0)}));
    EXPECT_TRUE((calls[1] == EditCall{u"19x234", NSMakeRange(3, 0), u"19234", NSMakeRange(2, 0)}));
    EXPECT_TRUE((calls[2] == EditCall{u"198234", NSMakeRange(3, 0), u"19234", NSMakeRange(2, 0)}))
        << "a refused letter leaves the next edit the text as it was";
    EXPECT_EQ(field.stringValue(), "19234");
    EXPECT_EQ(field.selectedRange(), NSMakeRange(2, 0));
    EXPECT_EQ(actions, 1) << "one action for the whole text";

    field.userDeleteForward();
    EXPECT_EQ(field.stringValue(), "1934");
    field.userDeleteBackward();
    EXPECT_EQ(field.stringValue(), "134");
    EXPECT_EQ(field.selectedRange(), NSMakeRange(1, 0));
    field.userMoveCaret(NSTextField::CaretMove::end);
    actions = 0;
    EXPECT_EQ(field.userDeleteForward(), UserResult::done);
    EXPECT_EQ(field.stringValue(), "134");
    EXPECT_EQ(actions, 0) << "nothing after the caret: no edit, no action";

    NSTextField& name = addEditField(view, {}, 2);
    name.setStringValue(
        "\xF0\x9F\x98\x80"
        "b");
    name.userMoveCaret(NSTextField::CaretMove::start);
    name.userDeleteForward();
    EXPECT_EQ(name.stringValue(), "b") << "a surrogate pair goes as one character";
}
