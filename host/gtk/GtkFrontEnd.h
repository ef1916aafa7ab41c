// The graphical front end of print-dialog: GTK's print dialog with the Job
// Handling tab. Without a script a person uses it; with one, the script's
// commands run on the shown dialog. Print ends with `jobEnd`, with the host
// of the panel shown last (the queue the person picked); Cancel (or a
// window closed) submits nothing.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/gtk/GtkPanelDialog.h"
#include "host/gtk/PrintRequest.h"

namespace host {

class LoadedPlugIn;
class ScriptedHost;

struct GtkFrontEndOptions {
    std::optional<std::string> script;  // a path, or "-" for standard input
    std::string printer;
    std::vector<std::filesystem::path> documents;
    std::filesystem::path localeDirectory;          // the dialog's own translations
    GtkPanelDialog::HostForPrinter hostForPrinter;  // a new panel's host when another printer is picked
    // GTK's settings that the dialog opens with: the user's lpoptions
    // copies, which GTK's own tabs would otherwise reset to one.
    std::map<std::string, std::string> initialSettings;
};

// Gives the exit status: 0 printed (or a script that pressed neither
// button), 1 cancelled. Throws UsageError when there is no display or a
// script fails.
int runGtkDialog(const GtkFrontEndOptions& options, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host,
                 const JobEnd& jobEnd);

}  // namespace host
