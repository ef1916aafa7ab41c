// Loads a panel's layout file into a view and connects it to its owner,
// the object the layout is loaded for (LayoutOwner).
//
// The file is a JSON object:
//
//   {
//     "tabView": {                        optional; its tabs in order
//       "name": "tabView", "action": "tabProc:", "selected": 0,
//       "tabs": [ { "label": "Retention", "controls": [ CONTROL, ... ] }, ... ]
//     },
//     "controls": [ CONTROL, ... ]        optional; controls outside the tabs
//   }
//
// CONTROL is an object with "kind" and, all optional:
//   "name"     field name the owner's outlet is connected by
//   "action"   handler name the owner gives the action for
//   "tag" (0; edit fields 1), "enabled" (true), "hidden" (false),
//   "row", "column" (0): line and character column on its tab, a drawing
//                        hint for text-mode hosts
// and by kind:
//   "checkBox", "lockButton", "pushButton"   "title", "state" (0)
//   "label", "editField"                     "text"; "editable" and
//                                            "selectable" (true for edit
//                                            fields, false for labels)
//   "radioMatrix"    "cells": [ { "name", "title" }, ... ], "selected" (-1: none)
//   "popUpButton"    "items": [ "title" or { "title" } or { "separator": true } ],
//                    "selected" (-1: none)
//   "box"            "title"
//   "progressIndicator"  "animating" (false)
// A control of any other kind is skipped. A field of the wrong type, or
// two objects with the same field name, make the file malformed.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/Containers.h"
#include "platform/controls/NSControl.h"
#include "platform/controls/NSObject.h"

namespace platform {

// The object a layout is loaded for (the panel): the loader hands it every
// named control and cell, and asks it for the action behind each handler
// name.
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

// The view of the layout at `path`, its named controls and cells connected
// to `owner` and their actions set from `owner`'s handlers. None, with
// nothing connected, when the file is missing, not a regular file or
// malformed; the reason then goes to standard error.
std::shared_ptr<NSView> loadLayoutFile(const std::string& path, LayoutOwner& owner);

}  // namespace platform
