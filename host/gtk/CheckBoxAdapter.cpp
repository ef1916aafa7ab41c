#include "host/gtk/CheckBoxAdapter.h"

#include "platform/controls/NSButton.h"

namespace host {

CheckBoxAdapter::CheckBoxAdapter(NSButton& button, UserOperations& operations)
    : ControlAdapter(button, gtk_check_button_new_with_label(button.title().c_str()), operations), button_(button) {
    connect(widget(), "toggled", G_CALLBACK(toggled));
}

void CheckBoxAdapter::toggled(GtkCheckButton*, CheckBoxAdapter* self) {
    if (self->following_) return;
    self->operate([self] { return self->button_.performClick(); });
}

void CheckBoxAdapter::followModel() {
    following_ = true;
    ControlAdapter::followModel();
    gtk_check_button_set_label(GTK_CHECK_BUTTON(widget()), button_.title().c_str());
    gtk_check_button_set_active(GTK_CHECK_BUTTON(widget()), button_.state() == 1);
    following_ = false;
}

platform::UserResult CheckBoxAdapter::click() {
    return byPerson(widget(), [this] { gtk_widget_activate(widget()); });
}

}  // namespace host
