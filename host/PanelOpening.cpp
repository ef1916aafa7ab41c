#include "host/PanelOpening.h"

#include <optional>

#include "host/InputText.h"
#include "platform/controls/Containers.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

OpenedView openPanelView(PDEPlugIn& principal, std::shared_ptr<PDEPluginCallback> host) {
    const std::optional<PDEPanelList> panels = principal.PDEPanelsForType(kPrintDialogPDEType, std::move(host));
    if (!panels || panels->empty()) throw UsageError("the plug-in offers no panel for the print dialog");
    OpenedView opened{panels->front(), panels->front()->panelView()};
    if (!opened.view) throw UsageError("the panel has no view to show");
    opened.panel->restoreValuesAndReturnError(nullptr);
    return opened;
}

}  // namespace host
