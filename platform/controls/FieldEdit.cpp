#include "platform/controls/FieldEdit.h"

#include <algorithm>

#include "platform/text/Utf16.h"

namespace platform {
namespace {

// A selection never reaches past its text, whatever a filter proposes.
NSRange clampedTo(const std::u16string& text, NSRange range) {
    const std::size_t location = std::min(range.location, text.size());
    const std::size_t length = std::min(range.length, text.size() - location);
    return NSRange{location, length};
}

}  // namespace

FieldEditor::FieldEditor(std::u16string text, NSRange selection, const NSFormatter* formatter)
    : text_(std::move(text)), proposal_(text_), selection_(clampedTo(text_, selection)), formatter_(formatter) {}

void FieldEditor::select(NSRange selection) {
    selection_ = clampedTo(text_, selection);
}

void FieldEditor::replaceSelection(std::u16string_view inserted) {
    const NSRange replaced = clampedTo(text_, selection_);
    proposal_.replace(replaced.location, replaced.length, inserted);
    const NSRange caret{replaced.location + inserted.size(), 0};
    NSRange proposedSelection = caret;
    if (!formatter_ || formatter_->isPartialStringValid(proposal_, proposedSelection, text_, replaced, nullptr)) {
        accept(replaced, inserted);
        return;
    }
    if (proposalUntouched(replaced, inserted) && proposedSelection == caret) {
        // A plain refusal keeps the text and selects what the edit would
        // have replaced.
        proposal_.replace(replaced.location, inserted.size(), text_, replaced.location, replaced.length);
        selection_ = replaced;
        return;
    }
    text_ = proposal_;
    selection_ = clampedTo(text_, proposedSelection);
}

void FieldEditor::type(std::u16string_view typed) {
    for (std::size_t index = 0; index < typed.size();) {
        const std::size_t end = utf16CharacterEnd(typed, index);
        replaceSelection(typed.substr(index, end - index));
        index = end;
    }
}

void FieldEditor::accept(NSRange replaced, std::u16string_view inserted) {
    text_.replace(replaced.location, replaced.length, inserted);
    selection_ = NSRange{replaced.location + inserted.size(), 0};
    // An accepted edit is taken as proposed. A filter that changed the
    // proposal all the same must not leave the next edit a wrong one; the
    // check looks at what it can cheaply, so typing stays linear.
    const bool inStep = proposal_.size() == text_.size() &&
                        std::u16string_view(proposal_).substr(replaced.location, inserted.size()) == inserted;
    if (!inStep) proposal_ = text_;
}

bool FieldEditor::proposalUntouched(NSRange replaced, std::u16string_view inserted) const {
    const std::u16string_view proposal(proposal_);
    const std::u16string_view text(text_);
    const std::size_t tail = replaced.location + replaced.length;
    return proposal.size() == text.size() - replaced.length + inserted.size() &&
           proposal.substr(0, replaced.location) == text.substr(0, replaced.location) &&
           proposal.substr(replaced.location, inserted.size()) == inserted &&
           proposal.substr(replaced.location + inserted.size()) == text.substr(tail);
}

}  // namespace platform
