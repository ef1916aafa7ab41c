// The informational alert. The host installs the presenter that shows it
// (a terminal dialog, a script's log, a test's record); without one the
// alert is written to the standard error stream. The presenter is the
// layer's one process-wide setting, as the window server is the platform's.
#pragma once

#include <functional>
#include <string>

namespace platform {

struct AlertRequest {
    std::string title;
    std::string message;
    std::string defaultButton;
    std::string alternateButton;  // empty: no such button
    std::string otherButton;      // empty: no such button
};

using AlertPresenter = std::function<void(const AlertRequest&)>;

// Installs `presenter` (an empty one restores the standard error stream)
// and gives the one it replaces.
AlertPresenter setAlertPresenter(AlertPresenter presenter);

}  // namespace platform

// The answer for the default button, the one an informational alert returns
// when it is dismissed.
inline constexpr int NSAlertDefaultReturn = 1;

// Shows the alert and returns when it is dismissed, with NSAlertDefaultReturn.
int NSRunInformationalAlertPanel(const std::string& title, const std::string& message, const std::string& defaultButton,
                                 const std::string& alternateButton = "", const std::string& otherButton = "");
