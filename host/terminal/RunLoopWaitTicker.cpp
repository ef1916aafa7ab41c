// The ticker on the platform's run loop: a chain of one-shot timers, each
// scheduling the next when it fires. The ticker owns the pending timer, so
// letting the ticker go takes it off the run loop.
#include <memory>
#include <utility>

#include "host/terminal/WaitTicker.h"
#include "platform/runloop/NSTimer.h"

namespace {

class RunLoopWaitTicker : public WaitTicker {
public:
    RunLoopWaitTicker(std::chrono::milliseconds interval, std::function<void()> tick)
        : seconds_(std::chrono::duration<double>(interval).count()), tick_(std::move(tick)) {
        schedule();
    }
    ~RunLoopWaitTicker() override {
        if (timer_) timer_->invalidate();
    }

private:
    void schedule() {
        timer_ = NSTimer::scheduledTimerWithTimeInterval(seconds_, [this](NSTimer&) {
            // The next timer first: a tick that draws must not stop the chain.
            schedule();
            tick_();
        });
    }

    double seconds_;
    std::function<void()> tick_;
    std::shared_ptr<NSTimer> timer_;
};

}  // namespace

std::unique_ptr<WaitTicker> WaitTicker::start(std::chrono::milliseconds interval, std::function<void()> tick) {
    return std::make_unique<RunLoopWaitTicker>(interval, std::move(tick));
}
