// Reading the job-handling values back from the job's print settings and the
// remembered defaults into the controls.
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::getNonPPDSettingsFromPrintSettings() {
    PDEProlog(this, "--getNonPPDSettingsFromPrintSettings:");
    PDEEpilog(this, "--getNonPPDSettingsFromPrintSettings:");
}
