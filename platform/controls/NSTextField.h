// A text field: a label when its tag is 0, an edit field otherwise.
#pragma once

#include <functional>
#include <string>

#include "platform/controls/FieldEdit.h"
#include "platform/controls/NSColor.h"
#include "platform/controls/NSControl.h"
#include "platform/controls/NSRange.h"
#include "platform/controls/NSTextFieldCell.h"

class NSTextField : public NSControl {
public:
    enum class CaretMove { left, right, start, end };

    NSTextField() = default;
    ~NSTextField() override;
    const char* className() const override;

    // An absent field reads as empty, not editable and not selectable.
    static NSTextField& absent();

    bool isLabel() const { return tag() == 0; }

    // UTF-8 text. Setting it sends no action, asks no filter, and puts the
    // caret at the end.
    const std::string& stringValue() const { return text_; }
    void setStringValue(const std::string& text);

    // As on the platform, an editable field is always selectable: making a
    // field editable makes it selectable, and making it not selectable
    // makes it not editable.
    bool isEditable() const { return editable_; }
    void setEditable(bool editable);
    bool isSelectable() const { return selectable_; }
    void setSelectable(bool selectable);

    // A field for a secret (a password or pass code), which a host shows
    // masked, as the platform's secure text field does; from the layout.
    bool isSecure() const { return secure_; }
    void setSecure(bool secure);

    NSColor textColor() const { return textColor_; }
    void setTextColor(NSColor color);

    NSTextFieldCell& cell();
    NSFormatter* formatter() const;

    // The selection the user's last edit left, in UTF-16 code units.
    NSRange selectedRange() const { return selection_; }

    // The user clicks into the field (it takes the keyboard focus), puts the
    // caret at the end and types `text`: each UTF-16 code unit, or a
    // surrogate pair together, is one edit checked by the field's filter.
    // Then the action is sent.
    platform::UserResult userTypeText(const std::string& text);
    // The user selects all the text and deletes it, checked by the filter,
    // then the action is sent.
    platform::UserResult userEraseAll();
    // The user goes on typing in the field without clicking into it again:
    // `text` replaces the selection that the last edit left (the caret when
    // it is empty), one code unit or surrogate pair at a time as
    // userTypeText does. Then the action is sent.
    platform::UserResult userInsertText(const std::string& text);
    // The user presses Backspace: the selection is deleted, or when there is
    // none the character before the caret (a surrogate pair together),
    // checked by the filter; then the action is sent. With the caret at the
    // start and nothing selected there is nothing to delete: no edit, no
    // action.
    platform::UserResult userDeleteBackward();
    // The user presses Delete: as Backspace, with the character after the
    // caret.
    platform::UserResult userDeleteForward();
    // The user moves the caret with the arrow keys, Home or End: it takes
    // the keyboard focus, a character (a surrogate pair together) at a
    // time, or to either end; Left and Right leave a selection at its start
    // or end. A move edits nothing and sends no action; later typing goes
    // on at the caret (userInsertText). A field that cannot be selected
    // refuses as one that cannot be edited.
    platform::UserResult userMoveCaret(CaretMove move);

private:
    explicit NSTextField(InertTag tag);
    // Refuses the edit, or gives the field the focus as the user's click does.
    platform::UserResult beginUserEdit();
    // Runs `edit` on the field's text and selection and finishes it, when
    // the field can be edited.
    platform::UserResult userEdit(const std::function<void(platform::FieldEditor&)>& edit);
    // Deletes the selection, or the character that `characterAtCaret` finds.
    platform::UserResult userDelete(
        const std::function<NSRange(const std::u16string& text, std::size_t caret)>& characterAtCaret);
    // Takes the editor's text and selection, then sends the action once.
    void finishUserEdit(const platform::FieldEditor& editor);

    std::string text_;
    bool editable_ = false;
    bool selectable_ = false;
    bool secure_ = false;
    NSColor textColor_ = NSColor::blackColor;
    NSTextFieldCell cell_;
    NSRange selection_;
};
