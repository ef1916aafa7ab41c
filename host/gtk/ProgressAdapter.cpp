#include "host/gtk/ProgressAdapter.h"

#include "platform/controls/NSProgressIndicator.h"

namespace host {

ProgressAdapter::ProgressAdapter(NSProgressIndicator& indicator, UserOperations& operations)
    : ControlAdapter(indicator, gtk_spinner_new(), operations), indicator_(indicator) {
    gtk_widget_set_halign(widget(), GTK_ALIGN_START);
}

void ProgressAdapter::followModel() {
    ControlAdapter::followModel();
    gtk_spinner_set_spinning(GTK_SPINNER(widget()), indicator_.isAnimating());
}

}  // namespace host
