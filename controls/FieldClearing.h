// Emptying a field that a changed choice makes void, unless the user locked
// its value.
#pragma once

#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/Outlet.h"

namespace controls {

inline void clearUnlessLocked(const Outlet<NSTextField>& field, const Outlet<NSButton>& lockButton) {
    if (lockButton->state() == 0) field->setStringValue("");
}

}  // namespace controls
