#include "host/gtk/AlertDialogPresenter.h"

#include <ostream>

namespace host {

namespace {

struct Waiting {
    bool answered = false;
};

void answered(GtkDialog*, int, Waiting* waiting) {
    waiting->answered = true;
}

void dismissWithDefault(GtkWidget* dialog, gpointer) {
    gtk_dialog_response(GTK_DIALOG(dialog), NSAlertDefaultReturn);
}

}  // namespace

AlertDialogPresenter::AlertDialogPresenter(GtkWindow* parent, std::ostream* scriptTranscript)
    : parent_(parent), transcript_(scriptTranscript) {
    previous_ = platform::setAlertPresenter([this](const platform::AlertRequest& alert) { present(alert); });
}

AlertDialogPresenter::~AlertDialogPresenter() {
    platform::setAlertPresenter(std::move(previous_));
}

void AlertDialogPresenter::present(const platform::AlertRequest& alert) {
    ++shown_;
    if (transcript_) *transcript_ << "alert: " << alert.message << " [" << alert.defaultButton << "]\n";
    GtkWidget* dialog = gtk_message_dialog_new(parent_, GTK_DIALOG_MODAL, GTK_MESSAGE_INFO, GTK_BUTTONS_NONE, "%s",
                                               alert.title.empty() ? alert.message.c_str() : alert.title.c_str());
    if (!alert.title.empty())
        gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(dialog), "%s", alert.message.c_str());
    // The alternate and other buttons are shown as the alert has them; the
    // informational alert answers with its default button only.
    if (!alert.otherButton.empty()) gtk_dialog_add_button(GTK_DIALOG(dialog), alert.otherButton.c_str(), -1);
    if (!alert.alternateButton.empty()) gtk_dialog_add_button(GTK_DIALOG(dialog), alert.alternateButton.c_str(), 0);
    gtk_dialog_add_button(GTK_DIALOG(dialog), alert.defaultButton.c_str(), NSAlertDefaultReturn);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), NSAlertDefaultReturn);
    Waiting waiting;
    g_signal_connect(dialog, "response", G_CALLBACK(answered), &waiting);
    if (transcript_) g_signal_connect(dialog, "map", G_CALLBACK(dismissWithDefault), nullptr);
    gtk_window_present(GTK_WINDOW(dialog));
    while (!waiting.answered)
        g_main_context_iteration(nullptr, TRUE);
    gtk_window_destroy(GTK_WINDOW(dialog));
}

}  // namespace host
