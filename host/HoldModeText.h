// The job's hold mode in words, for the line the dialog leaves after a
// print: what the device will do with the job when it arrives.
#pragma once

#include <string>

#include "platform/core/PrintingFramework.h"

namespace host {

// e.g. "held at the device: hold only, pass code set", or "not held".
std::string holdModeText(const platform::PrintSettings& settings);

}  // namespace host
