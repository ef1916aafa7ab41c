// Makes one control from its description in a layout file.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>

#include "platform/controls/NSControl.h"

namespace platform::layout {

// The control that `description` describes, with its field name, state and
// texts but no action; none for a kind this model does not know. Throws
// LayoutError when the description is malformed.
std::unique_ptr<NSControl> makeControl(const nlohmann::json& description);

}  // namespace platform::layout
