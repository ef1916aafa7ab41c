// The print dialog's command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct Options {
    std::filesystem::path bundle;
    std::filesystem::path ppd;
    std::string printer = "Office_MFP";
    std::string deviceURI = "socket://127.0.0.1:9100";
    std::string jobName = "Untitled";
    std::optional<std::filesystem::path> settingsFile;
    bool constraintHandling = true;
    std::optional<std::string> script;  // a path, or "-" for standard input
    bool interactive = false;            // the terminal dialog, also with a script-less pipe
    bool ascii = false;                  // the terminal dialog draws ASCII marks only
    bool lpOptions = false;              // after printing, the settings as lp arguments
    bool gui = false;                    // GTK's print dialog with the panel as a tab
    std::vector<std::filesystem::path> documents;  // --print FILE, repeatable
    // Hidden: where the terminal dialog also writes each screen it shows.
    std::optional<int> screenDumpDescriptor;
};

// The options of `arguments` (without the program name); the bundle and the
// PPD default to those built beside `programDirectory`. Throws UsageError.
Options parseOptions(const std::vector<std::string>& arguments, const std::filesystem::path& programDirectory);

std::string usageText();
