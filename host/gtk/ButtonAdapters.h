// The panel's buttons as GTK widgets: a check box as a check button, a lock
// button as a toggle button showing its padlock image, a push button as a
// button.
#pragma once

#include <string>

#include "host/gtk/ControlAdapter.h"

class NSButton;

namespace host {

// A check box of the panel as a GTK check button.
class CheckBoxAdapter : public ControlAdapter {
public:
    CheckBoxAdapter(NSButton& button, UserOperations& operations);

    void followModel() override;
    platform::UserResult click() override;

private:
    static void toggled(GtkCheckButton* check, CheckBoxAdapter* self);

    NSButton& button_;
};

// A lock button of the panel as a GTK toggle button that shows the bundle's
// padlock image the button displays (open or closed).
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

// A push button of the panel as a GTK button.
class PushButtonAdapter : public ControlAdapter {
public:
    PushButtonAdapter(NSButton& button, UserOperations& operations);

    void followModel() override;
    platform::UserResult click() override;

private:
    static void clicked(GtkButton* gtkButton, PushButtonAdapter* self);

    NSButton& button_;
};

}  // namespace host
