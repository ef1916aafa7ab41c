// The ticker of a platform without a run loop: nothing runs while a
// handler waits, so there is nothing to tick from.
#include "host/terminal/WaitTicker.h"

namespace {

class InertWaitTicker : public WaitTicker {};

}  // namespace

std::unique_ptr<WaitTicker> WaitTicker::start(std::chrono::milliseconds, std::function<void()>) {
    return std::make_unique<InertWaitTicker>();
}
