// A panel's view as the print dialog's `dump` shows it: each present control
// by field name with its kind and properties, and the keyboard focus.
#pragma once

#include <nlohmann/json.hpp>

class NSView;

namespace host {

// {"controls": {...}, "focus": field name or null}; no controls for no view.
nlohmann::json dumpView(const NSView* view);

}  // namespace host
