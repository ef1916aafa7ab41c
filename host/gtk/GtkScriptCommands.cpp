#include "host/gtk/GtkScriptCommands.h"

#include <ostream>

#include "host/InputText.h"
#include "host/ScriptCommand.h"
#include "host/ScriptRunner.h"
#include "host/gtk/GtkPanelDialog.h"
#include "host/gtk/WidgetPicture.h"

namespace host {

namespace {

// How long GTK may take to list the chosen printer before Print is pressed.
constexpr int kPrinterDeadlineMilliseconds = 10000;

void check(platform::UserResult result, const std::string& name) {
    if (result != platform::UserResult::done)
        throw UsageError("cannot operate '" + name + "': " + platform::describe(result));
}

int parseIndex(const std::string& text) {
    const std::optional<int> index = wholeNumber(text);
    if (!index) throw UsageError("'" + text + "' is not an index");
    return *index;
}

}  // namespace

GtkScriptCommands::GtkScriptCommands(ScriptRunner& runner, GtkPanelDialog& dialog, std::ostream& out)
    : dialog_(dialog), out_(out) {
    runner.adoptPanel(dialog.sharedPanel(), dialog.host());
    // Another printer picked in GTK's list brings another panel.
    dialog.onPanelReplaced([&runner, &dialog] { runner.adoptPanel(dialog.sharedPanel(), dialog.host()); });
    install(runner);
}

GtkScriptCommands::~GtkScriptCommands() {
    dialog_.onPanelReplaced({});
}

void GtkScriptCommands::install(ScriptRunner& runner) {
    const auto adapter = [this](const ScriptCommand& command) -> ControlAdapter& {
        ControlAdapter* found = dialog_.tab().adapterNamed(command.words[1]);
        if (!found) throw UsageError("the panel has no control named '" + command.words[1] + "'");
        return *found;
    };
    runner.replaceCommand("click", [adapter](const ScriptCommand& command) {
        command.expectArguments(1, "click NAME");
        check(adapter(command).click(), command.words[1]);
    });
    runner.replaceCommand("select", [adapter](const ScriptCommand& command) {
        command.expectArguments(2, "select NAME INDEX");
        const int index = parseIndex(command.words[2]);
        check(adapter(command).select(index), command.words[1]);
    });
    runner.replaceCommand("type", [adapter](const ScriptCommand& command) {
        if (command.words.size() < 3) throw UsageError("usage: type NAME TEXT");
        check(adapter(command).type(command.restAfterWords(2)), command.words[1]);
    });
    runner.replaceCommand("erase", [adapter](const ScriptCommand& command) {
        command.expectArguments(1, "erase NAME");
        check(adapter(command).erase(), command.words[1]);
    });
    runner.replaceCommand("print", [this](const ScriptCommand& command) {
        command.expectArguments(0, "print");
        if (!dialog_.window().waitForPrinter(kPrinterDeadlineMilliseconds) ||
            !dialog_.window().press(DialogAnswer::print))
            throw UsageError("the dialog's Print button cannot be pressed: no printer is chosen");
        answer_ = DialogAnswer::print;
        out_ << "print: " << (dialog_.runShouldPrint() ? "YES" : "NO") << "\n";
    });
    runner.replaceCommand("cancel", [this](const ScriptCommand& command) {
        command.expectArguments(0, "cancel");
        if (!dialog_.window().press(DialogAnswer::cancel))
            throw UsageError("the dialog's Cancel button cannot be pressed");
        answer_ = DialogAnswer::cancel;
    });
    runner.replaceCommand("printer", [this](const ScriptCommand& command) {
        if (command.words.size() < 2) throw UsageError("usage: printer NAME");
        const std::string printer = command.restAfterWords(1);
        if (!dialog_.pickPrinter(printer))
            throw UsageError("GTK's dialog did not take the printer '" + printer + "' in time");
        out_ << "printer: " << printer << " (panel for " << dialog_.queue() << ")\n";
    });
    runner.replaceCommand("gtk", [this](const ScriptCommand& command) {
        if (command.words.size() < 3) throw UsageError("usage: gtk KEY VALUE");
        dialog_.window().waitForPrinter(kPrinterDeadlineMilliseconds);
        const std::string printer = dialog_.window().printerName();
        dialog_.window().setGtkSetting(command.words[1], command.restAfterWords(2));
        // GTK's dialog gives a printer's own options the values of its
        // settings when the printer is chosen: it is chosen anew.
        if (command.words[1].starts_with("cups-")) {
            if (printer.empty() || !dialog_.pickPrinter("Print to File") || !dialog_.pickPrinter(printer))
                throw UsageError("GTK's dialog did not take the printer's options in time");
        }
    });
    runner.replaceCommand("page", [this](const ScriptCommand& command) {
        command.expectArguments(2, "page PAPER portrait|landscape");
        const std::string& orientation = command.words[2];
        if (orientation != "portrait" && orientation != "landscape")
            throw UsageError("'" + orientation + "' is neither portrait nor landscape");
        dialog_.window().setPageSetup(command.words[1], orientation == "portrait" ? GTK_PAGE_ORIENTATION_PORTRAIT
                                                                                  : GTK_PAGE_ORIENTATION_LANDSCAPE);
    });
    runner.replaceCommand("screenshot", [this](const ScriptCommand& command) {
        if (command.words.size() < 2) throw UsageError("usage: screenshot FILE");
        dialog_.showPanelTab();
        writeWidgetPicture(GTK_WIDGET(dialog_.window().window()), command.restAfterWords(1));
    });
    for (const char* verb : {"open", "view", "close"})
        runner.replaceCommand(verb, [](const ScriptCommand& command) {
            throw UsageError("'" + command.verb() + "': the graphical dialog opens and closes the panel itself");
        });
}

}  // namespace host
