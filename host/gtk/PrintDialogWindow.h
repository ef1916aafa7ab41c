// GTK's own print dialog with its tabs (printers, copies, pages, page
// set-up, the queue's options) and a custom tab for the panel. It reports
// which of its buttons the person pressed, and gives GTK's settings.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <string>

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

    std::string printerName() const;
    // GTK's settings of the job, its page set-up's paper among them.
    std::map<std::string, std::string> gtkSettings() const;

private:
    static void responded(GtkDialog*, int response, PrintDialogWindow* self);

    GtkWidget* dialog_;
    gulong responseHandler_;
    DialogAnswer answer_ = DialogAnswer::none;
};
