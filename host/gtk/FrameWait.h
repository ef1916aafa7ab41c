// Waiting, with GTK's main context serviced, until a window has drawn a
// frame, with a deadline.
#pragma once

#include <gtk/gtk.h>

#include <chrono>
#include <functional>

namespace host {

// Asks `widget`'s window for a new frame and waits until it is painted;
// false when the deadline passes first.
bool waitForFrame(GtkWidget* widget, std::chrono::milliseconds deadline);

// Services GTK's main context, blocking at most briefly at a time, until
// `condition` holds; false when the deadline passes first.
bool serviceUntil(const std::function<bool()>& condition, std::chrono::steady_clock::time_point deadline);

}  // namespace host
