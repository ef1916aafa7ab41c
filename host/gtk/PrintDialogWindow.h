// GTK's own print dialog with its tabs (printers, copies, pages, page
// set-up, the queue's options) and a custom tab for the panel. It reports
// which of its buttons the person pressed, and gives GTK's settings.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <string>

namespace host {

enum class DialogAnswer { none, print, cancel };

class PrintDialogWindow {
public:
    // `printer` is chosen as soon as GTK lists it.
    PrintDialogWindow(const std::string& title, const std::string& printer);
    ~PrintDialogWindow();
    PrintDialogWindow(const PrintDialogWindow&) = delete;
    PrintDialogWindow& operator=(const PrintDialogWindow&) = delete;

    GtkWindow* window() const { return GTK_WINDOW(dialog_); }
    void addTab(GtkWidget* content, const std::string& label);
    void present();
    void hide();
    // Brings the custom tab to the front.
    void showTab(GtkWidget* content);

    DialogAnswer answer() const { return answer_; }
    // Presses Print or Cancel as a person would; false when the button
    // cannot be pressed now (no printer chosen for Print).
    bool press(DialogAnswer button);
    // Waits up to `milliseconds` for GTK to choose a printer.
    bool waitForPrinter(int milliseconds);
    // Selects `printer`'s row in GTK's list of printers, as the person's
    // click on it does, unless it is selected; false while GTK does not
    // list it. GTK takes the choice once it has the printer's details.
    bool selectPrinter(const std::string& printer);

    std::string printerName() const;
    // GTK's settings of the job, its page set-up's paper and orientation
    // among them (as "cups-" options).
    std::map<std::string, std::string> gtkSettings() const;
    // Sets one of GTK's settings as the dialog's widgets would, and the
    // page set-up as its Page Setup tab would.
    void setGtkSetting(const std::string& key, const std::string& value);
    void setPageSetup(const std::string& paper, GtkPageOrientation orientation);
    // Before the dialog is shown: the settings it starts with, all at once
    // (GTK keeps a printer's options only once the printer is listed).
    void startWith(const std::map<std::string, std::string>& values);

private:
    static void responded(GtkDialog*, int response, PrintDialogWindow* self);
    static void printersListed(GListModel*, guint, guint, guint, PrintDialogWindow* self);
    // GTK's list of printers, a selection of rows that are GtkPrinters.
    GtkSelectionModel* printerRows() const;

    GtkWidget* dialog_;
    gulong responseHandler_;
    gulong listHandler_ = 0;
    // GTK chooses the printer of its settings once its list shows it, but
    // not always: a list that is still being sorted can lose the choice.
    // Until then the dialog watches for it itself.
    std::string initialPrinter_;
    DialogAnswer answer_ = DialogAnswer::none;
};

}  // namespace host
