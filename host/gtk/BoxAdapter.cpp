#include "host/gtk/BoxAdapter.h"

#include "platform/controls/NSBox.h"

namespace host {

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

}  // namespace host
