// Records the controls whose action was sent, in order.
#pragma once

#include <vector>

#include "platform/controls/NSControl.h"

struct ActionLog {
    std::vector<NSControl*> senders;

    NSControl::Action recorder() {
        return [this](NSControl* sender) { senders.push_back(sender); };
    }
};
