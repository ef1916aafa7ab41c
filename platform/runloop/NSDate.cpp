#include "platform/runloop/NSDate.h"

#include <cmath>

namespace {

// Thirty years: far enough for any wait, near enough that adding it to the
// clock's present value cannot overflow.
constexpr NSTimeInterval kDistantFutureSeconds = 30.0 * 365 * 24 * 3600;

}  // namespace

NSDate NSDate::date() {
    return NSDate(Clock::now());
}

NSDate NSDate::dateWithTimeIntervalSinceNow(NSTimeInterval seconds) {
    if (!std::isfinite(seconds) || seconds > kDistantFutureSeconds) return distantFuture();
    if (seconds < -kDistantFutureSeconds) seconds = -kDistantFutureSeconds;
    const auto offset = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    return NSDate(Clock::now() + offset);
}

NSDate NSDate::distantFuture() {
    static const Clock::time_point far = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                            std::chrono::duration<double>(kDistantFutureSeconds));
    return NSDate(far);
}

NSTimeInterval NSDate::timeIntervalSinceNow() const {
    return std::chrono::duration<double>(instant_ - Clock::now()).count();
}
