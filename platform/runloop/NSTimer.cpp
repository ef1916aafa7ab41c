#include "platform/runloop/NSTimer.h"

#include <utility>

#include "platform/runloop/NSRunLoop.h"

std::shared_ptr<NSTimer> NSTimer::scheduledTimerWithTimeInterval(NSTimeInterval seconds, Action action,
                                                                 std::any userInfo) {
    std::shared_ptr<NSTimer> timer(
        new NSTimer(NSDate::dateWithTimeIntervalSinceNow(seconds), std::move(action), std::move(userInfo)));
    NSRunLoop& runLoop = NSRunLoop::currentRunLoop();
    timer->runLoop_ = runLoop.weak_from_this();
    timer->id_ = runLoop.addTimer(timer->fireDate_, timer);
    timer->valid_ = true;
    return timer;
}

NSTimer::NSTimer(NSDate fireDate, Action action, std::any userInfo)
    : fireDate_(fireDate), action_(std::move(action)), userInfo_(std::move(userInfo)) {}

NSTimer::~NSTimer() {
    invalidate();
}

void NSTimer::invalidate() {
    if (!valid_) return;
    valid_ = false;
    if (const std::shared_ptr<NSRunLoop> runLoop = runLoop_.lock()) runLoop->removeTimer(id_);
}

void NSTimer::fire() {
    if (!valid_) return;
    valid_ = false;
    // Moved out first: the action may let go of its own timer.
    const Action action = std::move(action_);
    if (action) action(*this);
}
