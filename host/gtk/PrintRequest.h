// What the graphical dialog hands on when the person prints: the printer
// chosen in GTK's dialog, GTK's own settings (copies, pages, page set-up,
// the queue's PPD choices), the documents, and the host of the panel that
// was shown: the CUPS queue it was made for and the job's print settings
// that the panel wrote. How the job is then submitted is the caller's
// (JobEnd); the dialog itself submits nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/ScriptedHost.h"
#include "host/cups/JobOptionList.h"

namespace host {

struct PrintRequest {
    std::string printer;
    std::map<std::string, std::string> gtkSettings;
    OptionPairs gtkJobOptions;  // GTK's settings as job options, without the panel's keys
    std::vector<std::filesystem::path> documents;
    std::shared_ptr<ScriptedHost> host;

    const std::string& queue() const { return host->printer().identifier; }
    const platform::PrintSettings& panelSettings() const { return host->settings(); }
};

using JobEnd = std::function<void(const PrintRequest& request)>;

}  // namespace host
