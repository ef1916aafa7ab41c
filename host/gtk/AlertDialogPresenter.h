// Shows the panel's informational alert as a modal GTK message dialog over
// the print dialog, and returns when the person dismisses it. While it
// lives the presenter is the platform's; it puts the one before it back.
// Under a script the alert is also written to the transcript (as the
// scripted dialog writes it) and dismissed with its default button as soon
// as it is shown, since a script cannot press it.
#pragma once

#include <gtk/gtk.h>

#include <iosfwd>

#include "platform/controls/Alert.h"

namespace host {

class AlertDialogPresenter {
public:
    AlertDialogPresenter(GtkWindow* parent, std::ostream* scriptTranscript);
    ~AlertDialogPresenter();
    AlertDialogPresenter(const AlertDialogPresenter&) = delete;
    AlertDialogPresenter& operator=(const AlertDialogPresenter&) = delete;

    // How many alerts have been shown, for a test to see.
    int shownCount() const { return shown_; }

private:
    void present(const platform::AlertRequest& alert);

    GtkWindow* parent_;
    std::ostream* transcript_;
    platform::AlertPresenter previous_;
    int shown_ = 0;
};

}  // namespace host
