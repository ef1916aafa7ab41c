#include "host/gtk/GtkPanelDialog.h"

#include <chrono>

#include "host/UsageError.h"
#include "host/gtk/FrameWait.h"
#include "platform/controls/NSView.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace {

constexpr std::chrono::seconds kFrameDeadline{10};

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

GtkPanelDialog::GtkPanelDialog(const Parts& parts)
    : panel_(openPanel(parts.principal, parts.host)),
      view_(viewOf(*panel_)),
      window_(parts.title, parts.printer) {
    panel_->restoreValuesAndReturnError(nullptr);
    tab_ = std::make_unique<PanelTab>(*view_);
    window_.addTab(tab_->widget(), panel_->panelName());
}

GtkPanelDialog::~GtkPanelDialog() = default;

void GtkPanelDialog::present() {
    window_.present();
    panel_->willShow();
    tab_->operations().followModel();
    if (!waitForFrame(GTK_WIDGET(window_.window()), kFrameDeadline)) throw UsageError("the dialog window never appeared");
}

void GtkPanelDialog::showPanelTab() {
    window_.showTab(tab_->widget());
    if (!waitForFrame(GTK_WIDGET(window_.window()), kFrameDeadline)) throw UsageError("the dialog window is not drawn");
}

DialogAnswer GtkPanelDialog::waitForAnswer() {
    while (window_.answer() == DialogAnswer::none) g_main_context_iteration(nullptr, TRUE);
    return window_.answer();
}

bool GtkPanelDialog::runShouldPrint() {
    bool answer = false;
    tab_->operations().run([this, &answer] {
        answer = panel_->shouldPrint();
        return platform::UserResult::done;
    });
    return answer;
}

PrintRequest GtkPanelDialog::request(const std::vector<std::filesystem::path>& documents,
                                     const platform::PrintSettings& panelSettings) const {
    return PrintRequest{window_.printerName(), window_.gtkSettings(), documents, panelSettings};
}
