#include "host/gtk/OpenedPanel.h"

#include "host/ScriptedHost.h"
#include "host/UsageError.h"
#include "platform/controls/NSView.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

namespace {

std::shared_ptr<PDEPanel> openPanel(PDEPlugIn& principal, std::shared_ptr<PDEPluginCallback> host) {
    const std::optional<PDEPanelList> panels = principal.PDEPanelsForType(kPrintDialogPDEType, std::move(host));
    if (!panels || panels->empty()) throw UsageError("the plug-in offers no panel for the print dialog");
    return panels->front();
}

std::shared_ptr<NSView> viewOf(PDEPanel& panel) {
    std::shared_ptr<NSView> view = panel.panelView();
    if (!view) throw UsageError("the panel has no view to show");
    return view;
}

}  // namespace

OpenedPanel::OpenedPanel(PDEPlugIn& principal, std::shared_ptr<ScriptedHost> host)
    : host_(std::move(host)), panel_(openPanel(principal, host_)), view_(viewOf(*panel_)) {
    panel_->restoreValuesAndReturnError(nullptr);
    tab_ = std::make_unique<PanelTab>(*view_);
}

OpenedPanel::~OpenedPanel() = default;

const std::string& OpenedPanel::queue() const {
    return host_->printer().identifier;
}

}  // namespace host
