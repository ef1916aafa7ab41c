// The print dialog's command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct Options {
    // What the command line asks for: run the dialog, or only say how.
    enum class Request { runDialog, showHelp, showVersion };
    Request request = Request::runDialog;

    std::filesystem::path bundle;
    // None: the queue's own PPD from CUPS, or else the sample PPD.
    std::optional<std::filesystem::path> ppd;
    // None: the user's CUPS default destination, or else "Office_MFP".
    std::optional<std::string> printer;
    // None: the queue's device URI from CUPS, or else socket://127.0.0.1:9100.
    std::optional<std::string> deviceURI;
    std::string jobName = "Untitled";
    bool jobNameGiven = false;                     // otherwise the first document names the job
    std::vector<std::filesystem::path> documents;  // --print: the job's documents, in order
    std::optional<std::filesystem::path> settingsFile;
    bool constraintHandling = true;
    std::optional<std::string> script;  // a path, or "-" for standard input
    bool interactive = false;           // the terminal dialog, also with a script-less pipe
    bool ascii = false;                 // the terminal dialog draws ASCII marks only
    bool lpOptions = false;             // after printing, the settings as lp arguments
    bool gui = false;                   // GTK's print dialog with the panel as a tab
    // Hidden: where the terminal dialog also writes each screen it shows.
    std::optional<int> screenDumpDescriptor;
};

// The options of `arguments` (without the program name), GNU style: long
// options with "--name value" or "--name=value", "-d NAME" as lp spells
// it, options and the script in any order. The bundle defaults to the
// program's own (host/ProgramFiles.h). Throws UsageError.
Options parseOptions(const std::vector<std::string>& arguments, const std::filesystem::path& programDirectory);

// The program's own sample PPD (host/ProgramFiles.h).
std::filesystem::path samplePpd(const std::filesystem::path& programDirectory);

std::string usageText();
std::string versionText();

}  // namespace host
