#include "host/gtk/LabelAdapter.h"

#include "platform/controls/NSTextField.h"

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

}  // namespace host
