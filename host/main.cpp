// print-dialog: the reference print dialog. It loads the Job Handling
// plug-in, plays the dialog's part with a real PPD and a print-settings
// store, and runs a script of dialog calls and user operations.
#include <clocale>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

#include "host/Options.h"
#include "host/PlugInLoader.h"
#include "host/ScriptRunner.h"
#include "host/ScriptedHost.h"
#include "host/SettingsFile.h"
#include "host/UsageError.h"
#include "platform/controls/Alert.h"

namespace {

std::filesystem::path programDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

int runDialog(const Options& options) {
    auto host = std::make_shared<ScriptedHost>(options);
    if (options.settingsFile) readSettingsFile(*options.settingsFile, host->settings());
    LoadedPlugIn plugIn(options.bundle);

    std::ifstream file;
    std::istream* script = &std::cin;
    if (options.script && *options.script != "-") {
        file.open(*options.script);
        if (!file) throw UsageError("cannot read the script " + *options.script);
        script = &file;
    } else if (!options.script && isatty(STDIN_FILENO)) {
        throw UsageError("no script given, and the interactive dialog is not built yet\n" + usageText());
    }
    // The dialog's alerts are dismissed at once with their default button.
    platform::setAlertPresenter([](const platform::AlertRequest& alert) {
        std::cout << "alert: " << alert.message << " [" << alert.defaultButton << "]\n";
    });
    {
        ScriptRunner runner(plugIn, host, std::cout);
        runner.run(*script);
    }
    if (options.settingsFile) writeSettingsFile(*options.settingsFile, host->settings());
    return 0;
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
