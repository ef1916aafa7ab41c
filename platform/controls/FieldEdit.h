// One edit by the user in a text field, checked by the field's filter.
#pragma once

#include <string>

#include "platform/controls/NSFormatter.h"
#include "platform/controls/NSRange.h"

namespace platform {

struct FieldEditState {
    std::u16string text;
    NSRange selection;  // the caret when its length is 0
};

// Replaces the selection of `before` by `inserted` (empty to delete it) and
// leaves the caret after the insertion, then lets `formatter` (none accepts
// everything) accept, replace or refuse the result.
FieldEditState applyUserEdit(const FieldEditState& before, const std::u16string& inserted, const NSFormatter* formatter);

}  // namespace platform
