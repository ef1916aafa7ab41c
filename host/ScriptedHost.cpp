// The PPD calls of CUPS that the dialog makes are deprecated in favour of IPP
// Everywhere, but they are how a print dialog hands a panel its PPD.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include "host/ScriptedHost.h"

#include "host/InputText.h"

namespace host {

ScriptedHost::ScriptedHost(const DialogSetup& setup) : constraintHandling_(setup.constraintHandling) {
    ppd_ = ppdOpenFile(setup.ppd.c_str());
    if (!ppd_) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        throw UsageError("cannot open the PPD " + setup.ppd.string() + ": " + ppdErrorString(status) +
                         (line > 0 ? " on line " + std::to_string(line) : std::string()));
    }
    ppdMarkDefaults(ppd_);
    printer_.identifier = setup.printer;
    if (setup.deviceURI && !setup.deviceURI->empty()) printer_.deviceURI = setup.deviceURI;
    session_.currentPrinter = &printer_;
    settings_.setJobName(setup.jobName);
}

ScriptedHost::~ScriptedHost() {
    ppdClose(ppd_);
}

bool ScriptedHost::willChangePPDOptionKeyValue(const std::string& option, const std::string& choice) {
    // This dialog has no constraints of its own: every change is let through
    // and marked in the PPD.
    ppdMarkOption(ppd_, option.c_str(), choice.c_str());
    return true;
}

std::optional<std::string> ScriptedHost::defaultChoiceOf(const std::string& option) const {
    const ppd_option_t* found = ppdFindOption(ppd_, option.c_str());
    if (!found) return std::nullopt;
    return std::string(found->defchoice);
}

std::shared_ptr<ScriptedHost> hostForOtherQueue(const std::string& queue, const DialogSetup& opened) {
    std::optional<DialogSetup> setup = settleOtherQueue(queue, opened);
    if (!setup) return nullptr;
    // The host opens the PPD at once; CUPS's copy of it can go then.
    return std::make_shared<ScriptedHost>(*setup);
}

}  // namespace host
