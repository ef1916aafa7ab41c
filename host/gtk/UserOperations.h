// Runs a person's input on the panel's controls as the control model's user
// operation, as the scripted and terminal dialogs do. While the operation
// waits (the folder fetch runs the platform's run loop until the device
// answers) GTK's main context keeps being serviced, so the window redraws
// and the spinner turns; input that arrives meanwhile is refused, since the
// panel is still inside the first operation. Afterwards every widget
// follows the model.
#pragma once

#include <functional>
#include <optional>

#include "platform/controls/UserResult.h"

namespace host {

class UserOperations {
public:
    explicit UserOperations(std::function<void()> followModel);

    platform::UserResult run(const std::function<platform::UserResult()>& operation);
    bool busy() const { return busy_; }

    // What the last operation gave, none when no operation ran since the
    // last forget: a script's or a test's gesture on a widget learns from
    // it whether the model took the input.
    std::optional<platform::UserResult> lastResult() const { return lastResult_; }
    void forgetLastResult() { lastResult_.reset(); }

    // Lets every widget follow the model (after the dialog's own calls on
    // the panel, which are no user operations).
    void followModel() const { followModel_(); }

private:
    std::function<void()> followModel_;
    std::optional<platform::UserResult> lastResult_;
    bool busy_ = false;
};

}  // namespace host
