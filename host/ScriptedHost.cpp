// The PPD calls of CUPS that the dialog makes are deprecated in favour of IPP
// Everywhere, but they are how a print dialog hands a panel its PPD.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/ScriptedHost.h"

#include "host/CommandLineText.h"
#include "host/UsageError.h"

ScriptedHost::ScriptedHost(const Options& options) : constraintHandling_(options.constraintHandling) {
    ppd_ = ppdOpenFile(options.ppd.c_str());
    if (!ppd_) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        throw UsageError("cannot open the PPD " + options.ppd.string() + ": " + ppdErrorString(status) +
                         (line > 0 ? " on line " + std::to_string(line) : std::string()));
    }
    ppdMarkDefaults(ppd_);
    printer_.identifier = options.printer;
    if (!options.deviceURI.empty()) printer_.deviceURI = options.deviceURI;
    session_.currentPrinter = &printer_;
    settings_.setJobName(utf8FromCommandLine(options.jobName));
}

ScriptedHost::~ScriptedHost() { ppdClose(ppd_); }

bool ScriptedHost::willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) {
    // This dialog has no constraints of its own: every change is let through
    // and marked in the PPD.
    ppdMarkOption(ppd_, option.c_str(), choice.c_str());
    return true;
}
