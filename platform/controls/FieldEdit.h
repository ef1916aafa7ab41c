// The text of a field while the user edits it, each edit checked by the
// field's input filter.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls/TextFields.h"

namespace platform {

// Keeps, beside the text, the copy that the next edit proposes to the
// filter, and edits both in place: an edit costs what it inserts or
// deletes (and the text after it), not the whole text, so that typing a
// long text letter by letter stays linear in its length.
class FieldEditor {
public:
    // `formatter` (none accepts everything) must outlive the editor.
    FieldEditor(std::u16string text, NSRange selection, const NSFormatter* formatter);

    const std::u16string& text() const { return text_; }
    NSRange selection() const { return selection_; }
    // A selection never reaches past the text.
    void select(NSRange selection);

    // Replaces the selection by `inserted` (empty to delete it) and leaves
    // the caret after the insertion, then lets the filter accept, replace
    // or refuse the result.
    void replaceSelection(std::u16string_view inserted);
    // Types `typed` at the selection: each code unit, or a surrogate pair
    // together, is one edit.
    void type(std::u16string_view typed);

private:
    void accept(NSRange replaced, std::u16string_view inserted);
    // Whether the filter left the proposal as the edit made it.
    bool proposalUntouched(NSRange replaced, std::u16string_view inserted) const;

    std::u16string text_;
    std::u16string proposal_;  // equal to text_ between edits
    NSRange selection_;
    const NSFormatter* formatter_;
};

}  // namespace platform
