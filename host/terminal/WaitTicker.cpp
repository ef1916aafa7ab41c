#include "host/terminal/WaitTicker.h"

#include <memory>
#include <utility>

#include "platform/runloop/NSTimer.h"

namespace host {

namespace {

class TimerChain : public WaitTicker {
public:
    TimerChain(std::chrono::milliseconds interval, std::function<void()> tick)
        : seconds_(std::chrono::duration<double>(interval).count()), tick_(std::move(tick)) {
        schedule();
    }
    ~TimerChain() override {
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
    return std::make_unique<TimerChain>(interval, std::move(tick));
}

}  // namespace host
