#include "host/gtk/FrameWait.h"

namespace host {

namespace {

void painted(GdkFrameClock*, bool* done) {
    *done = true;
}

}  // namespace

bool serviceUntil(const std::function<bool()>& condition, std::chrono::steady_clock::time_point deadline) {
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        // Blocking would miss the deadline when nothing happens; a short
        // timeout source keeps the wait bounded.
        const guint wake = g_timeout_add(
            10, [](gpointer) { return G_SOURCE_REMOVE; }, nullptr);
        g_main_context_iteration(nullptr, TRUE);
        if (GSource* source = g_main_context_find_source_by_id(nullptr, wake)) g_source_destroy(source);
    }
    return true;
}

bool waitForFrame(GtkWidget* widget, std::chrono::milliseconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    if (!serviceUntil([widget] { return gtk_widget_get_mapped(widget) && gtk_widget_get_frame_clock(widget); }, until))
        return false;
    GdkFrameClock* clock = gtk_widget_get_frame_clock(widget);
    bool done = false;
    const gulong handler = g_signal_connect(clock, "after-paint", G_CALLBACK(painted), &done);
    gtk_widget_queue_draw(widget);
    const bool drawn = serviceUntil([&done] { return done; }, until);
    g_signal_handler_disconnect(clock, handler);
    return drawn;
}

}  // namespace host
