#include "host/gtk/MainContextPump.h"

#include <glib.h>

#include <chrono>

#include "host/terminal/WaitTicker.h"

namespace host {

namespace {

// Often enough for smooth frames, seldom enough to leave the run loop its
// own work.
constexpr std::chrono::milliseconds kInterval{10};
// What is pending at one tick is handled, but a source that is always ready
// must not keep the run loop from the device's answer.
constexpr int kMostDispatchesPerTick = 50;

void serviceMainContext() {
    for (int dispatched = 0; dispatched < kMostDispatchesPerTick; ++dispatched)
        if (!g_main_context_iteration(nullptr, FALSE)) return;
}

}  // namespace

MainContextPump::MainContextPump(std::function<void()> followModel)
    : ticker_(WaitTicker::start(kInterval, [follow = std::move(followModel)] {
          follow();
          serviceMainContext();
      })) {}

MainContextPump::~MainContextPump() = default;

}  // namespace host
