// A lock button of the panel as a GTK toggle button that shows the bundle's
// padlock image the button displays (open or closed).
#pragma once

#include <string>

#include "host/gtk/ControlAdapter.h"

class NSButton;

namespace host {

class LockButtonAdapter : public ControlAdapter {
public:
    LockButtonAdapter(NSButton& button, UserOperations& operations);

    void followModel() override;
    platform::UserResult click() override;

private:
    static void toggled(GtkToggleButton* toggle, LockButtonAdapter* self);

    NSButton& button_;
    GtkWidget* image_;
    std::string shownImage_;
};

}  // namespace host
