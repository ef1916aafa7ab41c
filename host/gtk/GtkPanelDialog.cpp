#include "host/gtk/GtkPanelDialog.h"

#include <chrono>
#include <iostream>

#include "host/InputText.h"
#include "host/ScriptedHost.h"
#include "host/cups/Destination.h"
#include "host/gtk/FrameWait.h"
#include "host/gtk/GtkJobOptions.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

namespace {

constexpr std::chrono::seconds kFrameDeadline{10};
// How long GTK may take to list a printer and fetch its details.
constexpr std::chrono::seconds kPrinterDeadline{10};
// A printer picked while the panel is inside a user operation (waiting for
// the device) is followed once the operation is over.
constexpr guint kRetryMilliseconds = 50;

}  // namespace

GtkPanelDialog::GtkPanelDialog(const Parts& parts)
    : principal_(parts.principal),
      hostForPrinter_(parts.hostForPrinter),
      window_(parts.title, parts.printer),
      holder_(gtk_box_new(GTK_ORIENTATION_VERTICAL, 0)),
      opened_(std::make_unique<OpenedPanel>(parts.principal, parts.host)) {
    g_object_ref_sink(holder_);
    gtk_box_append(GTK_BOX(holder_), opened_->tab().widget());
    window_.addTab(holder_, opened_->panel()->panelName());
    printerHandler_ = g_signal_connect(window_.window(), "notify::selected-printer", G_CALLBACK(printerPicked), this);
}

GtkPanelDialog::~GtkPanelDialog() {
    g_signal_handler_disconnect(window_.window(), printerHandler_);
    if (retrySource_) g_source_remove(retrySource_);
    // The tab's widgets stay in the window until the window goes, as GTK
    // takes a window down.
    opened_.reset();
    g_object_unref(holder_);
}

void GtkPanelDialog::present() {
    window_.present();
    presented_ = true;
    panel().willShow();
    tab().operations().followModel();
    if (!waitForFrame(GTK_WIDGET(window_.window()), kFrameDeadline))
        throw UsageError("the dialog window never appeared");
}

void GtkPanelDialog::showPanelTab() {
    window_.showTab(holder_);
    if (!waitForFrame(GTK_WIDGET(window_.window()), kFrameDeadline)) throw UsageError("the dialog window is not drawn");
}

void GtkPanelDialog::printerPicked(GObject*, GParamSpec*, GtkPanelDialog* self) {
    self->followChosenPrinter();
}

gboolean GtkPanelDialog::retryFollowingPrinter(gpointer self) {
    auto* dialog = static_cast<GtkPanelDialog*>(self);
    dialog->retrySource_ = 0;
    dialog->followChosenPrinter();
    return G_SOURCE_REMOVE;
}

void GtkPanelDialog::followChosenPrinter() {
    const std::string chosen = window_.printerName();
    // An instance of the shown queue keeps its panel.
    if (!hostForPrinter_ || chosen.empty() || splitDestinationName(chosen).queue == queue()) return;
    // The panel is inside an operation (waiting for the device): it cannot
    // go before the operation is over.
    if (tab().operations().busy()) {
        if (!retrySource_) retrySource_ = g_timeout_add(kRetryMilliseconds, retryFollowingPrinter, this);
        return;
    }
    // GTK calls this from C: nothing may be thrown through it. When the new
    // panel cannot be made, the old one stays.
    try {
        std::shared_ptr<ScriptedHost> host = hostForPrinter_(chosen);
        if (!host) return;
        // The job's print settings belong to the job, not to the queue.
        host->settings() = opened_->host()->settings();
        replacePanel(std::make_unique<OpenedPanel>(principal_, std::move(host)));
    } catch (const std::exception& error) {
        std::cerr << "print-dialog: no panel for " << chosen << ": " << error.what() << "\n";
    }
}

// The new panel is made before the old one goes, so that a failure leaves
// the old one in place; the old one is let go without a save. Its widgets
// stay in the tab, hidden, until the window goes: GTK's password entry
// leaves a handler behind on a window that it is taken out of.
void GtkPanelDialog::replacePanel(std::unique_ptr<OpenedPanel> next) {
    gtk_widget_set_visible(opened_->tab().widget(), FALSE);
    opened_ = std::move(next);
    gtk_box_append(GTK_BOX(holder_), opened_->tab().widget());
    if (presented_) panel().willShow();
    tab().operations().followModel();
    if (panelReplaced_) panelReplaced_();
}

bool GtkPanelDialog::pickPrinter(const std::string& printer) {
    // GTK tells of the choice once it has the printer's details; a panel
    // that was busy meanwhile follows a moment later. A list that GTK sorts
    // anew meanwhile may lose the selection: it is made again.
    const auto deadline = std::chrono::steady_clock::now() + kPrinterDeadline;
    return serviceUntil(
        [this, &printer] {
            if (window_.printerName() == printer) return retrySource_ == 0;
            window_.selectPrinter(printer);
            return false;
        },
        deadline);
}

DialogAnswer GtkPanelDialog::waitForAnswer() {
    while (window_.answer() == DialogAnswer::none)
        g_main_context_iteration(nullptr, TRUE);
    return window_.answer();
}

bool GtkPanelDialog::runShouldPrint() {
    bool answer = false;
    tab().operations().run([this, &answer] {
        answer = panel().shouldPrint();
        return platform::UserResult::done;
    });
    return answer;
}

PrintRequest GtkPanelDialog::request(const std::vector<std::filesystem::path>& documents) const {
    const std::map<std::string, std::string> settings = window_.gtkSettings();
    return PrintRequest{window_.printerName(), settings,
                        jobOptionsFromGtk(settings, opened_->panel()->supportedPPDOptionKeys()), documents,
                        opened_->host()};
}

}  // namespace host
