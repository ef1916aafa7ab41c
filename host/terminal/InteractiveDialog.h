// The interactive print dialog: opens the panel as the dialog does (open,
// panelView, restore, show), runs it in the terminal, and lets it go.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "host/terminal/TerminalDialog.h"

class PDEPlugIn;
class PDEPluginCallback;

namespace host {

struct InteractiveOptions {
    std::string printer;                      // shown in the title
    bool ascii = false;                       // ASCII marks whatever the terminal offers
    std::optional<int> screenDumpDescriptor;  // see ScreenDump.h
    std::filesystem::path localeDirectory;    // the dialog's own catalogues
};

// `jobChoices` opens the dialog's own choices and holds what the person
// chose when it ends. Throws UsageError when the plug-in offers no panel or
// there is no terminal to run in.
DialogOutcome runInteractiveDialog(PDEPlugIn& principal, std::shared_ptr<PDEPluginCallback> host,
                                   const InteractiveOptions& options, JobChoices& jobChoices);

}  // namespace host
