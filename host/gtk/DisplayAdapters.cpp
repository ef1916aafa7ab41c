#include "host/gtk/DisplayAdapters.h"

#include "platform/controls/Containers.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"

namespace host {

LabelAdapter::LabelAdapter(NSTextField& label, UserOperations& operations)
    : ControlAdapter(label, gtk_label_new(label.stringValue().c_str()), operations), label_(label) {
    gtk_label_set_xalign(GTK_LABEL(widget()), 0);
}

void LabelAdapter::followModel() {
    ControlAdapter::followModel();
    gtk_label_set_text(GTK_LABEL(widget()), label_.stringValue().c_str());
    followTextColour(widget(), label_);
}

void followTextColour(GtkWidget* widget, const NSTextField& field) {
    if (field.textColor() == NSColor::grayColor)
        gtk_widget_add_css_class(widget, "dim-label");
    else
        gtk_widget_remove_css_class(widget, "dim-label");
}

BoxAdapter::BoxAdapter(NSBox& box, UserOperations& operations)
    : ControlAdapter(box, gtk_frame_new(box.title().c_str()), operations),
      box_(box),
      contents_(GTK_GRID(gtk_grid_new())) {
    gtk_frame_set_child(GTK_FRAME(widget()), GTK_WIDGET(contents_));
}

void BoxAdapter::followModel() {
    // A box takes no input: disabled or not, it only frames.
    gtk_widget_set_visible(widget(), !box_.isHidden());
    gtk_frame_set_label(GTK_FRAME(widget()), box_.title().c_str());
}

ProgressAdapter::ProgressAdapter(NSProgressIndicator& indicator, UserOperations& operations)
    : ControlAdapter(indicator, gtk_spinner_new(), operations), indicator_(indicator) {
    gtk_widget_set_halign(widget(), GTK_ALIGN_START);
}

void ProgressAdapter::followModel() {
    ControlAdapter::followModel();
    gtk_spinner_set_spinning(GTK_SPINNER(widget()), indicator_.isAnimating());
}

}  // namespace host
