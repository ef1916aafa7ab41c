// The panel's progress indicator as a GTK spinner, turning while the panel
// animates it.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSProgressIndicator;

namespace host {

class ProgressAdapter : public ControlAdapter {
public:
    ProgressAdapter(NSProgressIndicator& indicator, UserOperations& operations);

    void followModel() override;

private:
    NSProgressIndicator& indicator_;
};

}  // namespace host
