// Writing the job-handling values of the controls into the job's print
// settings.
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::writeNonPPDSettingsToPrintSettings() {
    PDEProlog(this, "--writeNonPPDSettingsToPrintSettings:");
    PDEEpilog(this, "--writeNonPPDSettingsToPrintSettings:");
}
