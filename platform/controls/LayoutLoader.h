// Loads a panel's layout file into a view and connects it to its owner.
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

#include "platform/controls/LayoutOwner.h"
#include "platform/controls/NSView.h"

namespace platform {

// The view of the layout at `path`, its named controls and cells connected
// to `owner` and their actions set from `owner`'s handlers. None, with
// nothing connected, when the file is missing, not a regular file or
// malformed; the reason then goes to standard error.
std::shared_ptr<NSView> loadLayoutFile(const std::string& path, LayoutOwner& owner);

}  // namespace platform
