// The graphical front end, GTK's print dialog with the Job Handling tab,
// lives in a module of its own (nelvo-gtk-front-end.so) that the program
// loads only when GTK's dialog is wanted: the scripted and the terminal
// dialogs never map GTK, and run on a machine that has none. This header is
// all that the program and the module share; it names no GTK type.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/ScriptedHost.h"
#include "host/cups/JobOptionList.h"

namespace host {

class LoadedPlugIn;

// What the graphical dialog hands on when the person prints: the printer
// chosen in GTK's dialog, GTK's own settings (copies, pages, page set-up,
// the queue's PPD choices), the documents, and the host of the panel that
// was shown: the CUPS queue it was made for and the job's print settings
// that the panel wrote. How the job is then submitted is the caller's
// (JobEnd); the dialog itself submits nothing.
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

// The host for a new panel for the printer picked in GTK's list; null when
// that printer is none of CUPS's queues (GTK's "Print to File"), and the
// panel then stays as it is.
using HostForPrinter = std::function<std::shared_ptr<ScriptedHost>(const std::string& printer)>;

struct GtkFrontEndOptions {
    std::optional<std::string> script;  // a path, or "-" for standard input
    std::string printer;
    std::vector<std::filesystem::path> documents;
    std::filesystem::path localeDirectory;  // the dialog's own translations
    HostForPrinter hostForPrinter;          // a new panel's host when another printer is picked
    // GTK's settings that the dialog opens with: the user's lpoptions
    // copies, which GTK's own tabs would otherwise reset to one.
    std::map<std::string, std::string> initialSettings;
};

// What the graphical dialog shows while and after its job is submitted,
// when its window is gone: a failure, shown before the program ends with
// its status, and (while the object lives) the server's question for a
// password.
class JobFeedback {
public:
    virtual ~JobFeedback() = default;
    // Returns once the person has dismissed the message.
    virtual void showFailure(const std::string& message) = 0;
};

class GraphicalFrontEnd {
public:
    // Gives the exit status: 0 printed (or a script that pressed neither
    // button), 1 cancelled. Throws UsageError when there is no display or a
    // script fails. Print ends with `jobEnd`; Cancel submits nothing.
    virtual int runDialog(const GtkFrontEndOptions& options, LoadedPlugIn& plugIn,
                          const std::shared_ptr<ScriptedHost>& host, const JobEnd& jobEnd) const = 0;
    // Under a script (a transcript given) the feedback is written there and
    // answered at once: no password, the message dismissed.
    virtual std::unique_ptr<JobFeedback> jobFeedback(std::ostream* scriptTranscript) const = 0;

protected:
    ~GraphicalFrontEnd() = default;
};

// The module's one entry point, `extern "C"`: it gives the front end, which
// lives as long as the module.
inline constexpr const char* kGraphicalFrontEndEntry = "nelvo_graphical_front_end";
using GraphicalFrontEndEntry = const GraphicalFrontEnd& (*)();

}  // namespace host
