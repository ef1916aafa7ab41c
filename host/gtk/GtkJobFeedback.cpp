#include "host/gtk/GtkJobFeedback.h"

#include <cups/cups.h>
#include <gtk/gtk.h>

#include "host/cups/Destination.h"

#include <algorithm>
#include <ostream>

// GTK 4.8, the oldest GTK that the dialog supports, has message dialogs
// alone; their successor came in 4.10.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace host {

namespace {

struct Answer {
    int response = GTK_RESPONSE_NONE;
};

void answered(GtkDialog*, int response, Answer* answer) {
    answer->response = response;
}

void dismiss(GtkWidget* dialog, gpointer) {
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
}

// Shows `dialog` and services GTK until it is answered; under a script it
// is dismissed as soon as it is shown.
int answerOf(GtkWidget* dialog, bool scripted) {
    Answer answer;
    g_signal_connect(dialog, "response", G_CALLBACK(answered), &answer);
    if (scripted) g_signal_connect(dialog, "map", G_CALLBACK(dismiss), nullptr);
    gtk_window_present(GTK_WINDOW(dialog));
    while (answer.response == GTK_RESPONSE_NONE)
        g_main_context_iteration(nullptr, TRUE);
    return answer.response;
}

const char* passwordWanted(const char*, http_t* http, const char*, const char*, void* feedback) {
    char host[256] = "";
    if (http) httpGetHostname(http, host, sizeof host);
    const std::string server = std::string(host) + ":" + std::to_string(http ? httpAddrPort(httpGetAddress(http)) : 0);
    auto* self = static_cast<GtkJobFeedback*>(feedback);
    return self->askPassword(server, cupsUser()) ? self->password() : nullptr;
}

}  // namespace

GtkJobFeedback::GtkJobFeedback(std::ostream* scriptTranscript) : transcript_(scriptTranscript) {
    cupsSetPasswordCB2(passwordWanted, this);
}

GtkJobFeedback::~GtkJobFeedback() {
    std::fill(password_.begin(), password_.end(), '\0');
    askNoPassword();
}

void GtkJobFeedback::showFailure(const std::string& message) {
    if (transcript_) *transcript_ << "failure shown: " << message << "\n";
    GtkWidget* dialog =
        gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR, GTK_BUTTONS_CLOSE, "%s", message.c_str());
    answerOf(dialog, transcript_ != nullptr);
    gtk_window_destroy(GTK_WINDOW(dialog));
}

bool GtkJobFeedback::askPassword(const std::string& server, const std::string& user) {
    if (transcript_) *transcript_ << "password asked: " << user << " at " << server << "\n";
    GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_QUESTION, GTK_BUTTONS_OK_CANCEL,
                                               "Password for %s on %s", user.c_str(), server.c_str());
    GtkWidget* entry = gtk_password_entry_new();
    gtk_password_entry_set_show_peek_icon(GTK_PASSWORD_ENTRY(entry), TRUE);
    gtk_box_append(GTK_BOX(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(dialog))), entry);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    const bool given = answerOf(dialog, transcript_ != nullptr) == GTK_RESPONSE_OK;
    if (given) password_ = gtk_editable_get_text(GTK_EDITABLE(entry));
    gtk_window_destroy(GTK_WINDOW(dialog));
    return given;
}

}  // namespace host
