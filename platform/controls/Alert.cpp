#include "platform/controls/Alert.h"

#include <iostream>
#include <utility>

namespace platform {
namespace {

AlertPresenter& installedPresenter() {
    static AlertPresenter presenter;
    return presenter;
}

void writeToStandardError(const AlertRequest& request) {
    std::cerr << "Alert";
    if (!request.title.empty()) std::cerr << " \"" << request.title << '"';
    std::cerr << ": " << request.message << " [" << request.defaultButton << ']';
    if (!request.alternateButton.empty()) std::cerr << " [" << request.alternateButton << ']';
    if (!request.otherButton.empty()) std::cerr << " [" << request.otherButton << ']';
    std::cerr << '\n';
}

}  // namespace

AlertPresenter setAlertPresenter(AlertPresenter presenter) {
    return std::exchange(installedPresenter(), std::move(presenter));
}

}  // namespace platform

int NSRunInformationalAlertPanel(const std::string& title, const std::string& message, const std::string& defaultButton,
                                 const std::string& alternateButton, const std::string& otherButton) {
    const platform::AlertRequest request{title, message, defaultButton, alternateButton, otherButton};
    // A copy, so that a presenter that installs another one while it runs
    // stays alive until it returns.
    const platform::AlertPresenter presenter = platform::installedPresenter();
    if (presenter) {
        presenter(request);
    } else {
        platform::writeToStandardError(request);
    }
    return NSAlertDefaultReturn;
}
