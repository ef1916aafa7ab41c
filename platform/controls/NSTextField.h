// A text field: a label when its tag is 0, an edit field otherwise.
#pragma once

#include <string>

#include "platform/controls/FieldEdit.h"
#include "platform/controls/NSColor.h"
#include "platform/controls/NSControl.h"
#include "platform/controls/NSRange.h"
#include "platform/controls/NSTextFieldCell.h"

class NSTextField : public NSControl {
public:
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

private:
    explicit NSTextField(InertTag tag);
    // Refuses the edit, or gives the field the focus as the user's click does.
    platform::UserResult beginUserEdit();
    void finishUserEdit(const platform::FieldEditState& state);

    std::string text_;
    bool editable_ = false;
    bool selectable_ = false;
    NSColor textColor_ = NSColor::blackColor;
    NSTextFieldCell cell_;
    NSRange selection_;
};
