// One panel of the plug-in as the graphical dialog holds it while it shows
// it: made for one host (the print queue, its PPD and the job's print
// settings), its view loaded, its values restored, drawn as a PanelTab.
// Letting it go releases the panel without a save, as a dialog does when
// the person picks another printer.
#pragma once

#include <memory>
#include <string>

#include "host/gtk/PanelTab.h"

class NSView;
class PDEPanel;
class PDEPlugIn;

namespace host {

class ScriptedHost;

class OpenedPanel {
public:
    // Throws UsageError when the plug-in offers no panel or the panel no view.
    OpenedPanel(PDEPlugIn& principal, std::shared_ptr<ScriptedHost> host);
    ~OpenedPanel();
    OpenedPanel(const OpenedPanel&) = delete;
    OpenedPanel& operator=(const OpenedPanel&) = delete;

    // The print queue the panel was made for.
    const std::string& queue() const;
    const std::shared_ptr<ScriptedHost>& host() const { return host_; }
    const std::shared_ptr<PDEPanel>& panel() const { return panel_; }
    PanelTab& tab() { return *tab_; }

private:
    // Declared in the order they are made; the tab goes first, the host last.
    std::shared_ptr<ScriptedHost> host_;
    std::shared_ptr<PDEPanel> panel_;
    std::shared_ptr<NSView> view_;
    std::unique_ptr<PanelTab> tab_;
};

}  // namespace host
