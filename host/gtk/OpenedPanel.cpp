#include "host/gtk/OpenedPanel.h"

#include "host/PanelOpening.h"
#include "host/ScriptedHost.h"
#include "platform/controls/Containers.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

OpenedPanel::OpenedPanel(PDEPlugIn& principal, std::shared_ptr<ScriptedHost> host) : host_(std::move(host)) {
    OpenedView opened = openPanelView(principal, host_);
    panel_ = std::move(opened.panel);
    view_ = std::move(opened.view);
    tab_ = std::make_unique<PanelTab>(*view_);
}

OpenedPanel::~OpenedPanel() = default;

const std::string& OpenedPanel::queue() const {
    return host_->printer().identifier;
}

}  // namespace host
