// Emptying a field that a changed choice makes void, unless the user locked
// its value.
#pragma once

#include "platform/controls/Buttons.h"
#include "platform/controls/NSObject.h"
#include "platform/controls/TextFields.h"

namespace controls {

inline void clearUnlessLocked(const Outlet<NSTextField>& field, const Outlet<NSButton>& lockButton) {
    if (lockButton->state() == 0) field->setStringValue("");
}

}  // namespace controls
