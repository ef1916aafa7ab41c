// Which front end print-dialog runs: the script, the dialog in the
// terminal, or GTK's print dialog. Without a script and without a
// terminal, a display means a person started the dialog from the desktop
// (a launcher), and GTK's dialog is what they expect.
#pragma once

#include "host/Options.h"

namespace host {

enum class FrontEnd { script, terminal, graphical };

// What the program finds around it when it starts.
struct Surroundings {
    bool inputIsTerminal = false;
    // Standard input is a pipe or a file: someone hands a script in.
    bool inputCarriesScript = false;
    // DISPLAY or WAYLAND_DISPLAY names a display.
    bool hasDisplay = false;
};

Surroundings currentSurroundings();

// --gui and --interactive decide; then a script named on the command line;
// then a terminal on standard input; then a display, unless standard input
// carries a script; else the script on standard input.
FrontEnd chooseFrontEnd(const Options& options, const Surroundings& surroundings);

}  // namespace host
