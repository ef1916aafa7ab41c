// A label of the panel (a text field with tag 0) as a GTK label, dimmed
// when the panel greys it out or disables it.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSTextField;

namespace host {

class LabelAdapter : public ControlAdapter {
public:
    LabelAdapter(NSTextField& label, UserOperations& operations);

    void followModel() override;

private:
    NSTextField& label_;
};

// Shows the panel's grey text colour on `widget` as GTK's dimmed style.
void followTextColour(GtkWidget* widget, const NSTextField& field);

}  // namespace host
