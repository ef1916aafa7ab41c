// The adapter for a control of the panel's view, by the control's kind.
#pragma once

#include <memory>

#include "host/gtk/ControlAdapter.h"

namespace host {

std::unique_ptr<ControlAdapter> makeAdapter(NSControl& control, UserOperations& operations);

}  // namespace host
