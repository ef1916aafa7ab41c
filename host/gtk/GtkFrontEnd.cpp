#include "host/gtk/GtkFrontEnd.h"

#include <gtk/gtk.h>

#include <fstream>
#include <iostream>

#include "host/InputText.h"
#include "host/ScriptRunner.h"
#include "host/ScriptedHost.h"
#include "host/gtk/AlertDialogPresenter.h"
#include "host/gtk/GtkPanelDialog.h"
#include "host/gtk/GtkScriptCommands.h"
#include "host/terminal/HostTexts.h"

namespace host {

namespace {

DialogAnswer runScript(const std::string& path, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host,
                       GtkPanelDialog& dialog) {
    std::ifstream file;
    std::istream* script = &std::cin;
    if (path != "-") {
        file.open(path);
        if (!file) throw UsageError("cannot read the script " + path);
        script = &file;
    }
    ScriptRunner runner(plugIn, host, std::cout);
    const GtkScriptCommands commands(runner, dialog, std::cout);
    runner.run(*script);
    return commands.answer();
}

}  // namespace

int runGtkDialog(const GtkFrontEndOptions& options, LoadedPlugIn& plugIn, const std::shared_ptr<ScriptedHost>& host,
                 const JobEnd& jobEnd) {
    if (!gtk_init_check()) throw UsageError("the graphical dialog needs a display (DISPLAY or WAYLAND_DISPLAY)");
    const HostTexts texts = loadHostTexts(options.localeDirectory);
    GtkPanelDialog dialog(
        GtkPanelDialog::Parts{plugIn.principal(), host, texts.print, options.printer, options.hostForPrinter});
    dialog.window().startWith(options.initialSettings);
    const AlertDialogPresenter alerts(dialog.window().window(), options.script ? &std::cout : nullptr);
    dialog.present();

    DialogAnswer answer = DialogAnswer::none;
    if (options.script) {
        answer = runScript(*options.script, plugIn, host, dialog);
    } else {
        answer = dialog.waitForAnswer();
        if (answer == DialogAnswer::print) dialog.runShouldPrint();
    }
    dialog.window().hide();
    if (answer == DialogAnswer::cancel) return 1;
    if (answer == DialogAnswer::print) jobEnd(dialog.request(options.documents));
    return 0;
}

}  // namespace host
