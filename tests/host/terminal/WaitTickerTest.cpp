// The ticker that keeps the screen alive while a handler runs the run loop.
#include <gtest/gtest.h>

#include "host/terminal/WaitTicker.h"
#include "platform/runloop/NSDate.h"
#include "platform/runloop/NSRunLoop.h"

namespace host {

TEST(WaitTicker, TicksWhileTheRunLoopRunsAndNeverAfterItIsGone) {
    NSRunLoop& runLoop = NSRunLoop::currentRunLoop();
    int ticks = 0;
    auto ticker = WaitTicker::start(std::chrono::milliseconds(10), [&ticks] { ++ticks; });
    // Run turns, as a waiting handler does, until a few ticks have come.
    const NSDate deadline = NSDate::dateWithTimeIntervalSinceNow(20);
    while (ticks < 3 && NSDate::date() < deadline)
        runLoop.runBeforeDate(deadline);
    EXPECT_EQ(ticks, 3);

    ticker.reset();
    EXPECT_FALSE(runLoop.hasAttachments()) << "no timer is left behind";
    const int before = ticks;
    runLoop.runUntilDate(NSDate::dateWithTimeIntervalSinceNow(0.05));
    EXPECT_EQ(ticks, before);
}

}  // namespace host
