// A one-shot timer on the run loop of the thread that schedules it.
//
// Whoever schedules a timer owns it; the run loop only holds it weakly. When
// the owner lets it go, or invalidates it, it is off the run loop and can
// never fire into an object that is gone.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/runloop/NSDate.h"

class NSRunLoop;

class NSTimer {
public:
    using Action = std::function<void(NSTimer& timer)>;

    // Schedules `action` to run once, `seconds` from now, on the calling
    // thread's run loop. `userInfo` travels with the timer for the action.
    static std::shared_ptr<NSTimer> scheduledTimerWithTimeInterval(NSTimeInterval seconds, Action action,
                                                                   std::any userInfo = {});

    ~NSTimer();
    NSTimer(const NSTimer&) = delete;
    NSTimer& operator=(const NSTimer&) = delete;

    // Takes the timer off its run loop; it will not fire.
    void invalidate();
    // Scheduled and not yet fired or invalidated.
    bool isValid() const { return valid_; }
    NSDate fireDate() const { return fireDate_; }
    const std::any& userInfo() const { return userInfo_; }

private:
    friend class NSRunLoop;

    NSTimer(NSDate fireDate, Action action, std::any userInfo);
    // Called by the run loop, which has already taken the timer off.
    void fire();

    NSDate fireDate_;
    Action action_;
    std::any userInfo_;
    std::weak_ptr<NSRunLoop> runLoop_;
    uint64_t id_ = 0;
    bool valid_ = false;
};
