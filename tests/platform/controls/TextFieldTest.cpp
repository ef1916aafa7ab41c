// Typing, Backspace and erasing as the user, through the field's input
// filter, and the refusals of fields that cannot be edited or focused. How
// the panel's own filters answer is tested with them in tests/controls.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"

using platform::UserResult;
using Move = NSTextField::CaretMove;

namespace {

struct EditCall {
    std::u16string partial;
    NSRange proposed;
    std::u16string original;
    NSRange replaced;
    bool operator==(const EditCall&) const = default;
};

// An input filter that records every edit it is asked about. Unless
// `digits` is 0 it then answers as the panel's number filters do: a caret
// past `digits` cuts the text to `digits` units, wholly selected, and answers
// NO with the replacements; a deletion is taken, and a digit only while the
// text is shorter than `digits`.
class RecordingFilter : public NSNumberFormatter {
public:
    RecordingFilter(std::vector<EditCall>& calls, std::size_t digits) : calls_(calls), digits_(digits) {}
    bool isPartialStringValid(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                              NSRange replaced, std::string*) const override {
        calls_.push_back(EditCall{partial, proposed, original, replaced});
        if (digits_ != 0 && proposed.location > digits_) {
            partial.resize(digits_);
            proposed = NSRange{0, digits_};
            return false;
        }
        if (digits_ == 0 || proposed.location <= replaced.location) return true;
        const char16_t first = partial[replaced.location];
        return first >= u'0' && first <= u'9' && original.size() < digits_;
    }

private:
    std::vector<EditCall>& calls_;
    std::size_t digits_;
};

class TextField : public testing::Test {
protected:
    NSTextField& addField(const std::string& text, std::size_t digits = 0) {
        auto field = std::make_unique<NSTextField>();
        field->setTag(++fields);
        field->setEditable(true);
        field->cell().setFormatter(std::make_unique<RecordingFilter>(calls, digits));
        field->setAction([this](NSControl*) { ++actions; });
        field->setStringValue(text);
        return static_cast<NSTextField&>(*view.addControl(std::move(field)));
    }

    NSView view;
    int fields = 0;
    std::vector<EditCall> calls;
    int actions = 0;
};

}  // namespace

TEST_F(TextField, TheFilterSeesEachCharacterAndEraseAllAsOneEditInUtf16Units) {
    NSTextField& field = addField("ab");
    EXPECT_EQ(field.userTypeText("c\xF0\x9D\x84\x9E"), UserResult::done);  // c 𝄞
    ASSERT_EQ(calls.size(), 2u) << "the surrogate pair is one edit";
    EXPECT_EQ(calls[1], (EditCall{{u'a', u'b', u'c', 0xD834, 0xDD1E}, NSMakeRange(5, 0), u"abc", NSMakeRange(3, 0)}));

    calls.clear();
    field.setStringValue("\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2");  // three bullets
    EXPECT_EQ(field.userEraseAll(), UserResult::done);
    EXPECT_EQ(calls, (std::vector<EditCall>{{u"", NSMakeRange(0, 0), u"\u2022\u2022\u2022", NSMakeRange(0, 3)}}));
}

TEST_F(TextField, DeletingTakesTheSelectionOrAWholeCharacterBesideTheCaret) {
    NSTextField& field = addField("", 5);
    field.userTypeText("123456");  // the sixth digit leaves five, all selected
    EXPECT_EQ(field.selectedRange(), NSMakeRange(0, 5));
    field.userDeleteBackward();
    EXPECT_EQ(field.stringValue(), "");
    EXPECT_EQ(field.userDeleteBackward(), UserResult::done) << "nothing left to delete";

    NSTextField& name = addField("😀b😀");
    name.userMoveCaret(Move::end);
    name.userDeleteBackward();
    EXPECT_EQ(name.stringValue(), "😀b") << "a surrogate pair goes as one character";
    name.userMoveCaret(Move::start);
    name.userDeleteForward();
    EXPECT_EQ(name.stringValue(), "b");
    actions = 0;
    name.userMoveCaret(Move::end);
    EXPECT_EQ(name.userDeleteForward(), UserResult::done);
    EXPECT_EQ(name.stringValue(), "b");
    EXPECT_EQ(actions, 0) << "nothing after the caret: no edit, no action";
}

TEST_F(TextField, FieldsThatCannotBeEditedRefuseAndStayUnchanged) {
    NSTextField& field = addField("7");
    actions = 0;
    field.setEditable(false);
    for (const UserResult result :
         {field.userTypeText("1"), field.userEraseAll(), field.userInsertText("1"), field.userDeleteBackward()})
        EXPECT_EQ(result, UserResult::notEditable);
    field.setEditable(true);
    field.setEnabled(false);
    EXPECT_EQ(field.userTypeText("1"), UserResult::disabled);
    EXPECT_EQ(field.userMoveCaret(Move::end), UserResult::disabled);
    NSTextField label;  // tag 0: a label, never editable
    EXPECT_EQ(label.userTypeText("x"), UserResult::notEditable);

    EXPECT_EQ(field.stringValue(), "7");
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(view.window().firstResponder(), nullptr);
}

TEST_F(TextField, TheWindowRefusesFieldsThatCannotHaveTheFocus) {
    NSTextField& first = addField("");
    NSTextField& second = addField("");
    NSWindow& window = view.window();
    second.userTypeText("a");
    EXPECT_EQ(window.firstResponder(), &second) << "typing takes the focus";
    ASSERT_TRUE(window.makeFirstResponder(&first));

    second.setSelectable(false);
    EXPECT_FALSE(second.isEditable()) << "a field that cannot be selected cannot be edited";
    EXPECT_FALSE(window.makeFirstResponder(&second));
    NSView otherView;
    auto stranger = std::make_unique<NSTextField>();
    stranger->setTag(1);
    stranger->setEditable(true);
    EXPECT_FALSE(window.makeFirstResponder(static_cast<NSTextField*>(otherView.addControl(std::move(stranger)))));
    EXPECT_EQ(window.firstResponder(), &first);
}

TEST_F(TextField, ArrowsHomeAndEndMoveTheCaretOverWholeCharactersAndSendNoAction) {
    NSTextField& field = addField("a😀c");  // four code units
    actions = 0;
    const std::pair<Move, std::size_t> steps[] = {{Move::left, 3}, {Move::left, 1},  {Move::left, 0},
                                                  {Move::left, 0}, {Move::right, 1}, {Move::right, 3},
                                                  {Move::end, 4},  {Move::right, 4}, {Move::start, 0}};
    for (const auto& [move, caret] : steps) {
        EXPECT_EQ(field.userMoveCaret(move), UserResult::done);
        EXPECT_EQ(field.selectedRange(), NSMakeRange(caret, 0)) << "move " << static_cast<int>(move);
    }
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(view.window().firstResponder(), &field);
}

// Typing, deleting and moving at the caret through a filter are followed key
// by key in the terminal dialog's tests.
TEST_F(TextField, TextInsertedAtTheCaretIsFilteredCharacterByCharacterAndSendsOneAction) {
    NSTextField& field = addField("1234", 5);
    actions = 0;
    field.userMoveCaret(Move::start);
    field.userMoveCaret(Move::right);
    EXPECT_EQ(field.userInsertText("9x8"), UserResult::done);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2], (EditCall{u"198234", NSMakeRange(3, 0), u"19234", NSMakeRange(2, 0)}))
        << "a refused letter leaves the next edit the text as it was";
    EXPECT_EQ(field.stringValue(), "19234");
    EXPECT_EQ(field.selectedRange(), NSMakeRange(2, 0));
    EXPECT_EQ(actions, 1);
}
