// The adapter for a control of the panel's view, by the control's kind.
#pragma once

#include <memory>

#include "host/gtk/ControlAdapter.h"

std::unique_ptr<ControlAdapter> makeAdapter(NSControl& control, UserOperations& operations);
