// Dates and time zones of the core services. The clock and the system time
// zone can be fixed by tests; by default they are the system clock and the
// process's zone (TZ or the system's).
#pragma once

#include <cstdint>
#include <optional>

// Seconds since 1 January 2001, 00:00:00 UTC.
using CFAbsoluteTime = double;
using CFTimeInterval = double;
constexpr CFAbsoluteTime kCFAbsoluteTimeIntervalSince1970 = 978307200.0;

// A time zone: the process's own, or one at a fixed offset from UTC.
class CFTimeZone {
public:
    static CFTimeZone system() { return CFTimeZone(std::nullopt); }
    static CFTimeZone fixedOffset(int32_t secondsFromGMT) { return CFTimeZone(secondsFromGMT); }

    bool isSystem() const { return !fixedOffset_; }
    int32_t fixedSecondsFromGMT() const { return fixedOffset_.value_or(0); }

private:
    explicit CFTimeZone(std::optional<int32_t> offset) : fixedOffset_(offset) {}
    std::optional<int32_t> fixedOffset_;
};

struct CFGregorianDate {
    int32_t year;
    int8_t month;
    int8_t day;
    int8_t hour;
    int8_t minute;
    double second;
};

CFAbsoluteTime CFAbsoluteTimeGetCurrent();
CFTimeZone CFTimeZoneCopySystem();
CFGregorianDate CFAbsoluteTimeGetGregorianDate(CFAbsoluteTime at, const CFTimeZone& zone);
// 1 for Monday through 7 for Sunday.
int32_t CFAbsoluteTimeGetDayOfWeek(CFAbsoluteTime at, const CFTimeZone& zone);
// The zone's offset from UTC at that instant, daylight saving included.
CFTimeInterval CFTimeZoneGetSecondsFromGMT(const CFTimeZone& zone, CFAbsoluteTime at);

namespace platform {

// Fixes the clock and the system zone until it goes (tests only).
class ScopedFixedClock {
public:
    ScopedFixedClock(CFAbsoluteTime now, CFTimeZone zone);
    ~ScopedFixedClock();
    ScopedFixedClock(const ScopedFixedClock&) = delete;
    ScopedFixedClock& operator=(const ScopedFixedClock&) = delete;
};

// The absolute time of a calendar instant given in UTC.
CFAbsoluteTime absoluteTimeFromUTC(int year, int month, int day, int hour, int minute, double second);

}  // namespace platform
