// What the panel reports on the dialog's summary page.
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

std::map<std::string, std::string> NelvoPrintPdeZlm420kJC::summaryInfo() {
    PDEProlog(this, "summaryInfo:");
    std::map<std::string, std::string> summary;
    PDEEpilog(this, "summaryInfo:");
    return summary;
}
