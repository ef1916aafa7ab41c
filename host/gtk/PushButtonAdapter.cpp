#include "host/gtk/PushButtonAdapter.h"

#include "platform/controls/NSButton.h"

namespace host {

PushButtonAdapter::PushButtonAdapter(NSButton& button, UserOperations& operations)
    : ControlAdapter(button, gtk_button_new_with_label(button.title().c_str()), operations), button_(button) {
    gtk_widget_set_halign(widget(), GTK_ALIGN_START);
    connect(widget(), "clicked", G_CALLBACK(clicked));
}

void PushButtonAdapter::clicked(GtkButton*, PushButtonAdapter* self) {
    self->operate([self] { return self->button_.performClick(); });
}

void PushButtonAdapter::followModel() {
    ControlAdapter::followModel();
    gtk_button_set_label(GTK_BUTTON(widget()), button_.title().c_str());
}

platform::UserResult PushButtonAdapter::click() {
    // A click is the button's "clicked": activating would only start GTK's
    // delayed press animation.
    return byPerson(widget(), [this] { g_signal_emit_by_name(widget(), "clicked"); });
}

}  // namespace host
