// A script's commands on the shown graphical dialog: `click`, `select`,
// `type` and `erase` operate the GTK widget of the field name as a person
// would (the widget then calls the control model); `print` and `cancel`
// press the dialog's buttons; `printer NAME` picks a printer in GTK's list
// (another CUPS queue brings another panel, which the later commands then
// work on); `gtk KEY VALUE` sets one of GTK's own settings of the job (its
// General tab's "n-copies", a printer option's "cups-Duplex") and `page
// PAPER portrait|landscape` its page set-up, as the dialog's tabs do;
// `screenshot FILE` writes the window with the
// Job Handling tab in front as a PNG. The dialog opens and closes the panel
// itself, so `open`, `view` and `close` are refused. Every other command
// runs as in the scripted dialog, on the dialog's panel.
#pragma once

#include <iosfwd>

#include "host/gtk/PrintDialogWindow.h"

namespace host {

class GtkPanelDialog;
class ScriptRunner;

class GtkScriptCommands {
public:
    GtkScriptCommands(ScriptRunner& runner, GtkPanelDialog& dialog, std::ostream& out);
    ~GtkScriptCommands();
    GtkScriptCommands(const GtkScriptCommands&) = delete;
    GtkScriptCommands& operator=(const GtkScriptCommands&) = delete;

    // Print or Cancel, once pressed; none while the script has pressed neither.
    DialogAnswer answer() const { return answer_; }

private:
    void install(ScriptRunner& runner);

    GtkPanelDialog& dialog_;
    std::ostream& out_;
    DialogAnswer answer_ = DialogAnswer::none;
};

}  // namespace host
