#include "host/gtk/ButtonAdapters.h"

#include "platform/controls/Buttons.h"

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

LockButtonAdapter::LockButtonAdapter(NSButton& button, UserOperations& operations)
    : ControlAdapter(button, gtk_toggle_button_new(), operations), button_(button), image_(gtk_image_new()) {
    gtk_button_set_child(GTK_BUTTON(widget()), image_);
    connect(widget(), "toggled", G_CALLBACK(toggled));
}

void LockButtonAdapter::toggled(GtkToggleButton*, LockButtonAdapter* self) {
    if (self->following_) return;
    self->operate([self] { return self->button_.performClick(); });
}

void LockButtonAdapter::followModel() {
    following_ = true;
    ControlAdapter::followModel();
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget()), button_.state() == 1);
    const std::shared_ptr<NSImage>& image = button_.displayedImage();
    const std::string path = image ? image->path() : std::string();
    if (path != shownImage_) {
        shownImage_ = path;
        gtk_image_set_from_file(GTK_IMAGE(image_), path.empty() ? nullptr : path.c_str());
        if (image) gtk_image_set_pixel_size(GTK_IMAGE(image_), static_cast<int>(image->size().height));
    }
    // Without an image the state still shows in words.
    gtk_widget_set_tooltip_text(widget(), button_.state() == 1 ? "locked" : "unlocked");
    following_ = false;
}

platform::UserResult LockButtonAdapter::click() {
    // A click is the button's "clicked": activating would only start GTK's
    // delayed press animation.
    return byPerson(widget(), [this] { g_signal_emit_by_name(widget(), "clicked"); });
}

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
