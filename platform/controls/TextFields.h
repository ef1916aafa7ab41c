// The platform's text fields: the field itself (a label or an edit field),
// its cell, the input filters (formatters) that check each edit, and the
// small types they share: a range of text and the text colours.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSObject.h"

namespace platform {
class FieldEditor;
}

// The text colours a field can show.
enum class NSColor { blackColor, grayColor };

// A range of text, counted in UTF-16 code units as the platform's strings
// count them.
struct NSRange {
    std::size_t location = 0;
    std::size_t length = 0;
    friend bool operator==(const NSRange&, const NSRange&) = default;
};

inline NSRange NSMakeRange(std::size_t location, std::size_t length) {
    return NSRange{location, length};
}

// An input filter of an edit field: it converts between the field's value
// and its text, and it is asked before every edit by the user whether the
// edited text is acceptable.
class NSFormatter {
public:
    NSFormatter() = default;
    virtual ~NSFormatter();
    NSFormatter(const NSFormatter&) = delete;
    NSFormatter& operator=(const NSFormatter&) = delete;

    // A field's value is its text.
    virtual std::string stringForObjectValue(const std::string& value) const = 0;
    // Sets `value` from `text`; false (and, when wanted, an error text) when
    // the text gives no value.
    virtual bool getObjectValue(std::string& value, const std::string& text, std::string* error) const = 0;

    // The edit check. `partial` is the proposed text P and
    // `proposedSelection` the selection S after the edit, both of which the
    // filter may replace; `original` is the text O before the edit and
    // `originalSelection` the range R of O that the edit replaces. For
    // typing and deleting, S is the caret after the edit, so the inserted
    // text is P from R.location up to S.location. The field applies the
    // answer as the platform does: true takes the edit as proposed (what
    // the filter did to P or S does not count); false with P or S replaced
    // takes the replacements; false with neither replaced keeps O and
    // selects R. The base class accepts every edit.
    virtual bool isPartialStringValid(std::u16string& partial, NSRange& proposedSelection,
                                      const std::u16string& original, NSRange originalSelection,
                                      std::string* error) const;
};

// The number formatter that counting input filters build on. It keeps the
// number format it is given ("##0") and, like every filter of this system,
// converts between value and text without change.
class NSNumberFormatter : public NSFormatter {
public:
    NSNumberFormatter() = default;
    ~NSNumberFormatter() override;

    const std::string& format() const { return format_; }
    void setFormat(std::string format);

    std::string stringForObjectValue(const std::string& value) const override;
    bool getObjectValue(std::string& value, const std::string& text, std::string* error) const override;

private:
    std::string format_;
};

// The cell of a text field, which owns the field's input filter.
class NSTextFieldCell : public NSObject {
public:
    NSTextFieldCell() = default;
    ~NSTextFieldCell() override;
    const char* className() const override;

    // The cell of an absent field: it drops every filter it is given.
    static NSTextFieldCell& absent();

    // The filter lives as long as the cell, or until it is replaced.
    void setFormatter(std::unique_ptr<NSFormatter> formatter);
    NSFormatter* formatter() const { return formatter_.get(); }

private:
    explicit NSTextFieldCell(InertTag tag) : NSObject(tag) {}

    std::unique_ptr<NSFormatter> formatter_;
};

// A text field: a label when its tag is 0, an edit field otherwise.
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
