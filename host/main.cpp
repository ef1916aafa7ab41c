// print-dialog: the reference print dialog. It loads the Job Handling
// plug-in, plays the dialog's part with the queue's PPD and a print-settings
// store, and runs a script of dialog calls and user operations, or lets a
// person use the panel: in the terminal, or in GTK's print dialog (with
// --gui, or started from the desktop without a script or a terminal).
// After a print it submits the documents given with --print to the queue
// through CUPS.
#include <algorithm>
#include <clocale>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "host/DialogSetup.h"
#include "host/FrontEndChoice.h"
#include "host/GraphicalFrontEndLoader.h"
#include "host/HoldModeText.h"
#include "host/InputText.h"
#include "host/LpOptions.h"
#include "host/Options.h"
#include "host/PlugInLoader.h"
#include "host/ProgramFiles.h"
#include "host/ScriptRunner.h"
#include "host/ScriptedHost.h"
#include "host/SettingsFile.h"
#include "host/cups/Destination.h"
#include "host/cups/DocumentStream.h"
#include "host/cups/JobSubmission.h"
#include "host/terminal/InteractiveDialog.h"
#include "host/terminal/JobChoices.h"
#include "platform/controls/Alert.h"

namespace host {
namespace {

// The exit statuses beyond 0 (printed), 1 (cancelled) and 2 (bad input).
constexpr int kServerRefused = 3;
// Messages quote paths and script lines, which may be of any length.
constexpr size_t kLongestMessage = 1000;

std::filesystem::path programDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

struct Dialog {
    const Options& options;
    DialogSetup setup;
    std::shared_ptr<ScriptedHost> host;
    FrontEnd frontEnd;
    bool cancelled = false;       // the dialog's Cancel button was pressed
    OptionPairs frontEndOptions;  // the front end's own choices: GTK's copies, two-sided...
    bool printPressed = false;    // the graphical dialog's Print was pressed
};

// Whether the user printed in the terminal. The dialog's copies, pages and
// two-sided open with the destination's options; those the person changed
// are the front end's options.
bool runTerminalDialog(Dialog& dialog, LoadedPlugIn& plugIn) {
    const Options& options = dialog.options;
    const InteractiveOptions interactive{dialog.setup.printer, options.ascii, options.screenDumpDescriptor,
                                         programFiles(programDirectory()).localeDirectory};
    const JobChoices opened =
        choicesFromDestination(destinationOptions(destinationOf(dialog.setup)), dialog.host->defaultChoiceOf("Duplex"));
    JobChoices chosen = opened;
    if (runInteractiveDialog(plugIn.principal(), dialog.host, interactive, chosen) == DialogOutcome::cancelled)
        return false;
    dialog.frontEndOptions = changedJobOptions(opened, chosen);
    if (options.settingsFile) writeSettingsFile(*options.settingsFile, dialog.host->settings());
    // The dialog has left the terminal: a server that wants a password
    // asks there, as lp does.
    cupsSetPasswordCB2(nullptr, nullptr);
    return true;
}

// Whether the script printed. With --lp-options the transcript goes to
// standard error: standard output is lp's arguments alone.
bool runScript(Dialog& dialog, LoadedPlugIn& plugIn) {
    const Options& options = dialog.options;
    std::ifstream file;
    std::istream* script = &std::cin;
    if ((!options.script || *options.script == "-") &&
        std::ranges::any_of(options.documents, [](const auto& document) { return isStandardInput(document); }))
        throw UsageError("standard input cannot be both the script and a document: give the script as a file");
    if (options.script && *options.script != "-") {
        if (std::error_code error; std::filesystem::is_directory(*options.script, error))
            throw UsageError("the script " + *options.script + " is a folder");
        file.open(*options.script);
        if (!file) throw UsageError("cannot read the script " + *options.script);
        script = &file;
    }
    std::ostream& transcript = options.lpOptions ? std::cerr : std::cout;
    // The dialog's alerts are dismissed at once with their default button.
    platform::setAlertPresenter([&transcript](const platform::AlertRequest& alert) {
        transcript << "alert: " << alert.message << " [" << alert.defaultButton << "]\n";
    });
    bool printed = false;
    {
        ScriptRunner runner(plugIn, dialog.host, transcript);
        runner.run(*script);
        printed = runner.hasPrinted();
    }
    if (options.settingsFile) writeSettingsFile(*options.settingsFile, dialog.host->settings());
    return printed;
}

// GTK's dialog opens with the destination's options, so that its tabs show
// (and then send) the user's lpoptions and instance rather than the PPD's
// defaults: copies as GTK's own setting, the rest as the printer's options.
std::map<std::string, std::string> gtkSettingsOf(const OptionPairs& destinationOptions) {
    std::map<std::string, std::string> settings;
    for (const auto& [name, value] : destinationOptions)
        settings[name == "copies" ? "n-copies" : "cups-" + name] = value;
    return settings;
}

// Whether the user (or the script, through the dialog's button) pressed
// Print in GTK's dialog. The job goes to the queue of the panel shown last:
// the person may have picked another printer. A printer that got no panel
// of its own (GTK's "Print to File", a queue without a PPD) is refused
// rather than given the job meant for it: the documents would go to
// another printer than the one chosen.
bool runGraphicalDialog(Dialog& dialog, LoadedPlugIn& plugIn, const GraphicalFrontEnd& gtk) {
    const Options& options = dialog.options;
    bool printed = false;
    std::optional<std::string> printerWithoutPanel;
    const DialogSetup& opened = dialog.setup;
    // GTK lists queues, not the user's instances of them: the instance
    // stays while the person prints to its queue.
    GtkFrontEndOptions graphical{options.script,
                                 dialog.setup.printer,
                                 dialog.setup.documents,
                                 programFiles(programDirectory()).localeDirectory,
                                 [&opened](const std::string& queue) { return hostForOtherQueue(queue, opened); },
                                 {}};
    graphical.initialSettings = gtkSettingsOf(destinationOptions(destinationOf(dialog.setup)));
    const int status = gtk.runDialog(graphical, plugIn, dialog.host, [&](const PrintRequest& request) {
        printed = true;
        dialog.printPressed = true;
        const DestinationName chosen = splitDestinationName(request.printer);
        if (chosen.queue != request.queue()) printerWithoutPanel = request.printer;
        if (chosen.instance || chosen.queue != dialog.setup.printer) dialog.setup.instance = chosen.instance;
        dialog.setup.printer = request.queue();
        dialog.host = request.host;
        dialog.frontEndOptions = request.gtkJobOptions;
    });
    dialog.cancelled = status == 1;
    if (printerWithoutPanel && !dialog.setup.documents.empty()) throw UsageError(noPanelText(*printerWithoutPanel));
    if (printed && options.settingsFile) writeSettingsFile(*options.settingsFile, dialog.host->settings());
    return printed;
}

// After the print: the job goes to the queue, or its settings are shown
// for another program to print with.
void finishPrint(const Dialog& dialog) {
    const platform::PrintSettings& settings = dialog.host->settings();
    if (!dialog.setup.documents.empty()) {
        const SubmittedJob job = submitJob(JobRequest{destinationOf(dialog.setup), dialog.setup.jobName,
                                                      dialog.setup.documents, &settings, dialog.frontEndOptions});
        std::cout << requestIdLine(job);
        if (dialog.frontEnd == FrontEnd::terminal) std::cout << "; " << holdModeText(settings);
        std::cout << "\n";
    } else if (dialog.options.lpOptions) {
        std::cout << lpArguments(dialog.frontEndOptions, settings) << "\n";
    } else if (dialog.frontEnd != FrontEnd::script) {
        for (const auto& [key, value] : settings.values())
            std::cout << key << "=" << value << "\n";
    }
}

bool wasToPrint(const Dialog& dialog) {
    return dialog.frontEnd == FrontEnd::terminal || dialog.cancelled || !dialog.options.documents.empty() ||
           dialog.options.lpOptions;
}

// The graphical dialog's print: what fails after Print is also shown in a
// GTK message dialog, since a person who started the dialog from the
// desktop sees no standard error; a server's question for a password is
// asked in GTK too. GTK itself is loaded here, and only here.
bool runAndFinishGraphicalDialog(Dialog& dialog, LoadedPlugIn& plugIn) {
    const GraphicalFrontEnd& gtk = loadGraphicalFrontEnd(programFiles(programDirectory()).graphicalFrontEnd);
    std::ostream* scriptTranscript = dialog.options.script ? &std::cout : nullptr;
    std::unique_ptr<JobFeedback> feedback;
    try {
        const bool printed = runGraphicalDialog(dialog, plugIn, gtk);
        if (!printed) return false;
        feedback = gtk.jobFeedback(scriptTranscript);
        finishPrint(dialog);
        return true;
    } catch (const std::exception& error) {
        if (dialog.printPressed && !dialog.setup.documents.empty()) {
            if (!feedback) feedback = gtk.jobFeedback(scriptTranscript);
            feedback->showFailure(quotedInMessage(error.what(), kLongestMessage));
        }
        throw;
    }
}

int runDialog(const Options& options) {
    // Until a front end says otherwise, no password is asked for anywhere.
    askNoPassword();
    Dialog dialog{options, settleDialog(options, programDirectory()),
                  nullptr, chooseFrontEnd(options, currentSurroundings()),
                  false,   {}};
    dialog.host = std::make_shared<ScriptedHost>(dialog.setup);
    dialog.setup.fetchedPpd.reset();  // opened: the copy is no longer needed
    if (options.settingsFile) readSettingsFile(*options.settingsFile, dialog.host->settings());
    LoadedPlugIn plugIn(options.bundle);
    bool printed = false;
    switch (dialog.frontEnd) {
        case FrontEnd::script: printed = runScript(dialog, plugIn); break;
        case FrontEnd::terminal: printed = runTerminalDialog(dialog, plugIn); break;
        case FrontEnd::graphical:
            if (!runAndFinishGraphicalDialog(dialog, plugIn)) return wasToPrint(dialog) ? 1 : 0;
            return 0;
    }
    // A script that only inspects the panel still succeeds; a dialog that
    // was cancelled, or was to print and did not, is cancelled.
    if (!printed) return wasToPrint(dialog) ? 1 : 0;
    finishPrint(dialog);
    return 0;
}

int run(const Options& options) {
    switch (options.request) {
        case Options::Request::showHelp: std::cout << usageText(); return 0;
        case Options::Request::showVersion: std::cout << versionText(); return 0;
        case Options::Request::runDialog: break;
    }
    return runDialog(options);
}

}  // namespace
}  // namespace host

int main(int argc, char** argv) {
    using namespace host;
    std::setlocale(LC_ALL, "");
    try {
        return run(parseOptions(std::vector<std::string>(argv + 1, argv + argc), programDirectory()));
    } catch (const UsageError& error) {
        std::cout.flush();
        std::cerr << "print-dialog: " << quotedInMessage(error.what(), kLongestMessage) << "\n";
        return 2;
    } catch (const SubmissionRefused& error) {
        std::cout.flush();
        std::cerr << "print-dialog: " << error.what() << "\n";
        return kServerRefused;
    } catch (const std::exception& error) {
        // Nothing unforeseen may end the dialog with an abort and a core.
        std::cout.flush();
        std::cerr << "print-dialog: unexpected failure: " << quotedInMessage(error.what(), kLongestMessage) << "\n";
        return 2;
    } catch (...) {
        std::cout.flush();
        std::cerr << "print-dialog: unexpected failure\n";
        return 2;
    }
}
