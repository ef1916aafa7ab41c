// GTK's print dialog with the Job Handling panel as a tab: the panel opened
// as the terminal dialog opens it (the plug-in's panel for the print
// dialog, its view, its remembered values, then willShow as the window
// appears), the tab named with the panel's name. When the person picks
// another CUPS queue in GTK's list, the dialog lets the panel go and shows
// a new one made for that queue in its place. The scripted and the
// person's dialog and the tests all drive this one object.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/GraphicalFrontEnd.h"
#include "host/gtk/OpenedPanel.h"
#include "host/gtk/PrintDialogWindow.h"

class PDEPanel;
class PDEPlugIn;

namespace host {

class ScriptedHost;

class GtkPanelDialog {
public:
    struct Parts {
        PDEPlugIn& principal;
        std::shared_ptr<ScriptedHost> host;
        std::string title;                   // the dialog window's title
        std::string printer;                 // chosen in the dialog when GTK lists it
        HostForPrinter hostForPrinter = {};  // none: one panel whatever is picked
    };

    // Throws UsageError when the plug-in offers no panel or the panel no view.
    explicit GtkPanelDialog(const Parts& parts);
    ~GtkPanelDialog();
    GtkPanelDialog(const GtkPanelDialog&) = delete;
    GtkPanelDialog& operator=(const GtkPanelDialog&) = delete;

    // Shows the window, tells the panel, and waits for the first frame.
    void present();
    // Brings the panel's tab to the front and waits until it is drawn.
    void showPanelTab();

    PDEPanel& panel() { return *opened_->panel(); }
    const std::shared_ptr<PDEPanel>& sharedPanel() const { return opened_->panel(); }
    const std::shared_ptr<ScriptedHost>& host() const { return opened_->host(); }
    // The queue the shown panel was made for.
    const std::string& queue() const { return opened_->queue(); }
    PanelTab& tab() { return opened_->tab(); }
    PrintDialogWindow& window() { return window_; }

    // Called whenever a new panel has taken the old one's place.
    void onPanelReplaced(std::function<void()> observer) { panelReplaced_ = std::move(observer); }
    // Picks `printer` in GTK's list as the person's click does, and waits
    // until the dialog has followed (a new panel for another CUPS queue);
    // false when GTK does not list and take it in time.
    bool pickPrinter(const std::string& printer);

    // Services GTK until the person presses Print or Cancel.
    DialogAnswer waitForAnswer();
    // After Print: the panel's shouldPrint (the window kept alive meanwhile),
    // then what the job is made of.
    bool runShouldPrint();
    PrintRequest request(const std::vector<std::filesystem::path>& documents) const;

private:
    static void printerPicked(GObject*, GParamSpec*, GtkPanelDialog* self);
    static gboolean retryFollowingPrinter(gpointer self);
    // Makes a panel for the printer GTK has chosen when it is another queue.
    void followChosenPrinter();
    void replacePanel(std::unique_ptr<OpenedPanel> next);

    PDEPlugIn& principal_;
    HostForPrinter hostForPrinter_;
    PrintDialogWindow window_;
    GtkWidget* holder_;  // the custom tab's content: the shown panel's tab
    std::unique_ptr<OpenedPanel> opened_;
    std::function<void()> panelReplaced_;
    gulong printerHandler_ = 0;
    guint retrySource_ = 0;
    bool presented_ = false;
};

}  // namespace host
