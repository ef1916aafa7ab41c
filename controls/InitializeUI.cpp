// The one-time set-up of the panel's controls.
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::initializeUI() {
    PDEProlog(this, "--initializeUI:");
    if (!hasInited) hasInited = true;
    PDEEpilog(this, "--initializeUI:=void");
}
