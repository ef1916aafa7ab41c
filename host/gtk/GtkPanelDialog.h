// GTK's print dialog with the Job Handling panel as a tab: the panel opened
// as the terminal dialog opens it (the plug-in's panel for the print
// dialog, its view, its remembered values, then willShow as the window
// appears), the tab named with the panel's name. The scripted and the
// person's dialog and the tests all drive this one object.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/gtk/PanelTab.h"
#include "host/gtk/PrintDialogWindow.h"
#include "host/gtk/PrintRequest.h"

class NSView;
class PDEPanel;
class PDEPlugIn;
class PDEPluginCallback;

class GtkPanelDialog {
public:
    struct Parts {
        PDEPlugIn& principal;
        std::shared_ptr<PDEPluginCallback> host;
        std::string title;    // the dialog window's title
        std::string printer;  // chosen in the dialog when GTK lists it
    };

    // Throws UsageError when the plug-in offers no panel or the panel no view.
    explicit GtkPanelDialog(const Parts& parts);
    ~GtkPanelDialog();

    // Shows the window, tells the panel, and waits for the first frame.
    void present();
    // Brings the panel's tab to the front and waits until it is drawn.
    void showPanelTab();

    PDEPanel& panel() { return *panel_; }
    const std::shared_ptr<PDEPanel>& sharedPanel() const { return panel_; }
    PanelTab& tab() { return *tab_; }
    PrintDialogWindow& window() { return window_; }

    // Services GTK until the person presses Print or Cancel.
    DialogAnswer waitForAnswer();
    // After Print: the panel's shouldPrint (the window kept alive meanwhile),
    // then what the job is made of.
    bool runShouldPrint();
    PrintRequest request(const std::vector<std::filesystem::path>& documents,
                         const platform::PrintSettings& panelSettings) const;

private:
    std::shared_ptr<PDEPanel> panel_;
    std::shared_ptr<NSView> view_;
    PrintDialogWindow window_;
    std::unique_ptr<PanelTab> tab_;
};
