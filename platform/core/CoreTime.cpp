#include "platform/core/CoreTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

// The one override of the clock, set only while a test holds a
// ScopedFixedClock: the stand-in's equivalent of setting the system clock.
struct FixedClock {
    CFAbsoluteTime now;
    CFTimeZone zone;
};
std::optional<FixedClock>& fixedClock() {
    static std::optional<FixedClock> clock;
    return clock;
}

// The broken-down local time of an instant in a zone, and its offset.
struct LocalTime {
    std::tm fields{};
    long secondsFromGMT = 0;
    double fraction = 0;
};

LocalTime localTime(CFAbsoluteTime at, const CFTimeZone& zone) {
    LocalTime local;
    const double unix = at + kCFAbsoluteTimeIntervalSince1970;
    const double whole = std::floor(unix);
    local.fraction = unix - whole;
    std::time_t seconds = static_cast<std::time_t>(whole);
    if (zone.isSystem()) {
        localtime_r(&seconds, &local.fields);
        local.secondsFromGMT = local.fields.tm_gmtoff;
    } else {
        local.secondsFromGMT = zone.fixedSecondsFromGMT();
        std::time_t shifted = seconds + local.secondsFromGMT;
        gmtime_r(&shifted, &local.fields);
    }
    return local;
}

}  // namespace

CFAbsoluteTime CFAbsoluteTimeGetCurrent() {
    if (fixedClock()) return fixedClock()->now;
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count() - kCFAbsoluteTimeIntervalSince1970;
}

CFTimeZone CFTimeZoneCopySystem() {
    if (fixedClock()) return fixedClock()->zone;
    return CFTimeZone::system();
}

CFGregorianDate CFAbsoluteTimeGetGregorianDate(CFAbsoluteTime at, const CFTimeZone& zone) {
    const LocalTime local = localTime(at, zone);
    return CFGregorianDate{local.fields.tm_year + 1900,
                           static_cast<int8_t>(local.fields.tm_mon + 1),
                           static_cast<int8_t>(local.fields.tm_mday),
                           static_cast<int8_t>(local.fields.tm_hour),
                           static_cast<int8_t>(local.fields.tm_min),
                           local.fields.tm_sec + local.fraction};
}

int32_t CFAbsoluteTimeGetDayOfWeek(CFAbsoluteTime at, const CFTimeZone& zone) {
    const int weekday = localTime(at, zone).fields.tm_wday;  // 0 is Sunday
    return weekday == 0 ? 7 : weekday;
}

CFTimeInterval CFTimeZoneGetSecondsFromGMT(const CFTimeZone& zone, CFAbsoluteTime at) {
    return static_cast<CFTimeInterval>(localTime(at, zone).secondsFromGMT);
}

namespace platform {

ScopedFixedClock::ScopedFixedClock(CFAbsoluteTime now, CFTimeZone zone) {
    fixedClock() = FixedClock{now, zone};
}

ScopedFixedClock::~ScopedFixedClock() {
    fixedClock().reset();
}

CFAbsoluteTime absoluteTimeFromUTC(int year, int month, int day, int hour, int minute, double second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    const std::time_t seconds = timegm(&fields);
    return static_cast<double>(seconds) + second - kCFAbsoluteTimeIntervalSince1970;
}

}  // namespace platform
