#include "platform/controls/FieldEdit.h"

#include <algorithm>

namespace platform {
namespace {

// A selection never reaches past its text, whatever a filter proposes.
NSRange clampedTo(const std::u16string& text, NSRange range) {
    const std::size_t location = std::min(range.location, text.size());
    const std::size_t length = std::min(range.length, text.size() - location);
    return NSRange{location, length};
}

}  // namespace

FieldEditState applyUserEdit(const FieldEditState& before, const std::u16string& inserted, const NSFormatter* formatter) {
    const NSRange replaced = clampedTo(before.text, before.selection);
    std::u16string proposed = before.text;
    proposed.replace(replaced.location, replaced.length, inserted);
    NSRange proposedSelection{replaced.location + inserted.size(), 0};
    if (!formatter) return FieldEditState{proposed, proposedSelection};

    const std::u16string offeredText = proposed;
    const NSRange offeredSelection = proposedSelection;
    if (formatter->isPartialStringValid(proposed, proposedSelection, before.text, replaced, nullptr)) {
        return FieldEditState{proposed, clampedTo(proposed, proposedSelection)};
    }
    if (proposed != offeredText || !(proposedSelection == offeredSelection)) {
        return FieldEditState{proposed, clampedTo(proposed, proposedSelection)};
    }
    return FieldEditState{before.text, replaced};
}

}  // namespace platform
