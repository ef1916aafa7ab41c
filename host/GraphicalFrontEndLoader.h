// Loading the graphical front end's module (host/GraphicalFrontEnd.h) when
// GTK's dialog is wanted, and only then.
#pragma once

#include <filesystem>

#include "host/GraphicalFrontEnd.h"

namespace host {

// The front end in `module`, which stays loaded for the program's life (GTK
// cannot be unloaded). Throws UsageError when the module is not installed,
// or cannot be loaded (GTK itself missing), or has no entry point.
const GraphicalFrontEnd& loadGraphicalFrontEnd(const std::filesystem::path& module);

}  // namespace host
