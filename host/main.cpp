// print-dialog: the reference print dialog. It loads the Job Handling
// plug-in, plays the dialog's part with a real PPD and a print-settings
// store, and runs a script of dialog calls and user operations, or, on a
// terminal without a script, lets a person use the panel.
#include <clocale>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

#include "host/LpOptions.h"
#include "host/Options.h"
#include "host/PlugInLoader.h"
#include "host/ScriptRunner.h"
#include "host/ScriptedHost.h"
#include "host/SettingsFile.h"
#include "host/UsageError.h"
#include "host/gtk/GtkFrontEnd.h"
#include "host/terminal/InteractiveDialog.h"
#include "platform/controls/Alert.h"

namespace {

std::filesystem::path programDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

bool wantsTerminalDialog(const Options& options) {
    return options.interactive || (!options.script && isatty(STDIN_FILENO));
}

// What the dialog prints once the job has gone to the printer: the print
// settings as `key=value` lines, or with --lp-options as lp arguments.
void printJob(const Options& options, const platform::PrintSettings& settings) {
    if (options.lpOptions) {
        std::cout << lpArguments(settings) << "\n";
        return;
    }
    for (const auto& [key, value] : settings.values()) std::cout << key << "=" << value << "\n";
}

// The end of a print: the settings file when asked for, then the job.
void finishJob(const Options& options, const platform::PrintSettings& settings) {
    if (options.settingsFile) writeSettingsFile(*options.settingsFile, settings);
    printJob(options, settings);
}

int runTerminalDialog(const Options& options, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host) {
    const InteractiveOptions interactive{options.printer, options.ascii, options.screenDumpDescriptor,
                                         programDirectory() / "locale"};
    if (runInteractiveDialog(plugIn.principal(), host, interactive) == DialogOutcome::cancelled) return 1;
    if (options.settingsFile) writeSettingsFile(*options.settingsFile, host->settings());
    printJob(options, host->settings());
    return 0;
}

int runScript(const Options& options, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host) {
    std::ifstream file;
    std::istream* script = &std::cin;
    if (options.script && *options.script != "-") {
        file.open(*options.script);
        if (!file) throw UsageError("cannot read the script " + *options.script);
        script = &file;
    }
    // The dialog's alerts are dismissed at once with their default button.
    platform::setAlertPresenter([](const platform::AlertRequest& alert) {
        std::cout << "alert: " << alert.message << " [" << alert.defaultButton << "]\n";
    });
    bool printed = false;
    {
        ScriptRunner runner(plugIn, host, std::cout);
        runner.run(*script);
        printed = runner.hasPrinted();
    }
    if (options.settingsFile) writeSettingsFile(*options.settingsFile, host->settings());
    if (printed && options.lpOptions) std::cout << lpArguments(host->settings()) << "\n";
    return 0;
}

int runDialog(const Options& options) {
    auto host = std::make_shared<ScriptedHost>(options);
    if (options.settingsFile) readSettingsFile(*options.settingsFile, host->settings());
    LoadedPlugIn plugIn(options.bundle);
    if (options.gui)
        return runGtkDialog({options.script, options.printer, options.documents, programDirectory() / "locale"}, plugIn,
                            host, [&](const PrintRequest&) { finishJob(options, host->settings()); });
    return wantsTerminalDialog(options) ? runTerminalDialog(options, plugIn, host) : runScript(options, plugIn, host);
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    try {
        const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc), programDirectory());
        return runDialog(options);
    } catch (const UsageError& error) {
        std::cout.flush();
        std::cerr << "print-dialog: " << error.what() << "\n";
        return 2;
    }
}
