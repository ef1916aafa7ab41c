// A check box of the panel as a GTK check button.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSButton;

namespace host {

class CheckBoxAdapter : public ControlAdapter {
public:
    CheckBoxAdapter(NSButton& button, UserOperations& operations);

    void followModel() override;
    platform::UserResult click() override;

private:
    static void toggled(GtkCheckButton* check, CheckBoxAdapter* self);

    NSButton& button_;
};

}  // namespace host
