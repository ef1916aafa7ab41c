// A push button of the panel as a GTK button.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSButton;

namespace host {

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
