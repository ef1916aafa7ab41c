// The object a layout is loaded for (the panel): the loader hands it every
// named control and cell, and asks it for the action behind each handler
// name.
#pragma once

#include <string>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSObject.h"

namespace platform {

class LayoutOwner {
public:
    virtual ~LayoutOwner();

    // Called once for each control and radio cell that has a field name,
    // in layout order, after the whole layout has been read.
    virtual void connectOutlet(const std::string& fieldName, NSObject* object) = 0;
    // The action for a handler name such as "retentionCBoxProc:"; an empty
    // function leaves the control without an action.
    virtual NSControl::Action actionForHandler(const std::string& handlerName) = 0;
};

}  // namespace platform
