// The graphical front end of print-dialog: GTK's print dialog with the Job
// Handling tab. Without a script a person uses it; with one, the script's
// commands run on the shown dialog. Print ends with `jobEnd`, with the host
// of the panel shown last (the queue the person picked); Cancel (or a
// window closed) submits nothing. The program reaches it through the
// module's entry point (host/GraphicalFrontEnd.h).
#pragma once

#include <memory>

#include "host/GraphicalFrontEnd.h"

namespace host {

// As GraphicalFrontEnd::runDialog.
int runGtkDialog(const GtkFrontEndOptions& options, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host,
                 const JobEnd& jobEnd);

}  // namespace host
