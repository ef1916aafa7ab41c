// A point in time for the run loop and its timers, on the monotonic clock so
// that a change of the wall clock neither fires a timer early nor holds it.
#pragma once

#include <chrono>
#include <compare>

// A span of time in seconds.
using NSTimeInterval = double;

class NSDate {
public:
    using Clock = std::chrono::steady_clock;

    static NSDate date();
    static NSDate dateWithTimeIntervalSinceNow(NSTimeInterval seconds);
    // Later than any date that a program will reach.
    static NSDate distantFuture();

    explicit NSDate(Clock::time_point instant) : instant_(instant) {}

    Clock::time_point timePoint() const { return instant_; }
    // Negative when the date is in the past.
    NSTimeInterval timeIntervalSinceNow() const;

    auto operator<=>(const NSDate&) const = default;

private:
    Clock::time_point instant_;
};
