// Runs a print-dialog script: one command a line, the dialog's calls on the
// panel, the user's operations on its controls, and looks at the results.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/PlugInLoader.h"
#include "host/ScriptedHost.h"

class NSObject;

namespace host {

struct ScriptCommand;

class ScriptRunner {
public:
    ScriptRunner(LoadedPlugIn& plugIn, std::shared_ptr<ScriptedHost> host, std::ostream& out);
    ~ScriptRunner();

    // Runs every line; throws UsageError naming the line that failed.
    void run(std::istream& script);
    // Runs one command line (no comment, not blank).
    void runCommand(const std::string& line);
    // Whether a `print` has run: the job went to the printer.
    bool hasPrinted() const { return printed_; }

    // A front end that shows the panel itself (the graphical dialog) runs
    // some commands its own way: the command `verb` calls `replacement`.
    using Replacement = std::function<void(const ScriptCommand& command)>;
    void replaceCommand(const std::string& verb, Replacement replacement);
    // The panel that the front end opened and its host, for the commands
    // that look at them; again whenever the front end makes another.
    void adoptPanel(std::shared_ptr<PDEPanel> panel, std::shared_ptr<ScriptedHost> host);

private:
    using Command = ScriptCommand;
    using Handler = void (ScriptRunner::*)(const Command&);

    PDEPanel& panel(const Command& command);
    // The control or cell named by the command's first argument, and the
    // same as a control of one kind.
    NSObject& namedObject(const Command& command);
    template <class Control>
    Control& control(const Command& command, const char* kindName);
    void open(const Command& command);
    void view(const Command& command);
    void show(const Command& command);
    void restore(const Command& command);
    void save(const Command& command);
    void print(const Command& command);
    void hide(const Command& command);
    void help(const Command& command);
    void close(const Command& command);
    void name(const Command& command);
    void kind(const Command& command);
    void keys(const Command& command);
    void summary(const Command& command);
    void settings(const Command& command);
    void dump(const Command& command);
    void prefs(const Command& command);
    void set(const Command& command);
    void unset(const Command& command);
    void click(const Command& command);
    void select(const Command& command);
    void type(const Command& command);
    void erase(const Command& command);

    LoadedPlugIn& plugIn_;
    std::shared_ptr<ScriptedHost> host_;
    std::ostream& out_;
    std::shared_ptr<PDEPanel> panel_;
    std::shared_ptr<NSView> view_;
    bool printed_ = false;
    std::map<std::string, Replacement> replacements_;
};

}  // namespace host
