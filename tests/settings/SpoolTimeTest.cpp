#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "platform/core/CoreTime.h"
#include "settings/ValueHelpers.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

constexpr int32_t kMinute = 60;
constexpr int32_t kHour = 60 * kMinute;

// The spool-time text at `at` in `zone`, checking the count it answers.
std::string spoolTimeAt(CFAbsoluteTime at, CFTimeZone zone) {
    platform::ScopedFixedClock clock(at, zone);
    char text[32];
    std::memset(text, '#', sizeof text);
    const int written = GetSpoolTime(text, sizeof text);
    EXPECT_EQ(written, static_cast<int>(std::strlen(text)));
    return text;
}

// The system zone's cases follow daylight saving in New York.
TEST(SpoolTime, WritesTheLocalTimeAndTheZoneInHundredthsOfAnHour) {
    const ScopedEnvironmentVariable newYork("TZ", "America/New_York");
    // Saturday 5 December 2026, 05:11:09.8 at UTC+9.
    const CFAbsoluteTime example = platform::absoluteTimeFromUTC(2026, 12, 4, 20, 11, 9.8);
    const auto offset = CFTimeZone::fixedOffset;
    const std::tuple<CFAbsoluteTime, CFTimeZone, const char*> cases[] = {
        {example, offset(9 * kHour), "Sat, 5 Dec 2026 05:11:09 +0900"},
        {example, offset(-(3 * kHour + 30 * kMinute)), "Fri, 4 Dec 2026 16:41:09 -0350"},
        {example, offset(5 * kHour + 45 * kMinute), "Sat, 5 Dec 2026 01:56:09 +0575"},
        // The day unpadded across a year boundary, the seconds truncated.
        {platform::absoluteTimeFromUTC(2026, 12, 31, 15, 0, 0), offset(9 * kHour), "Fri, 1 Jan 2027 00:00:00 +0900"},
        {platform::absoluteTimeFromUTC(2026, 3, 9, 7, 8, 59.999), offset(0), "Mon, 9 Mar 2026 07:08:59 +0000"},
        {platform::absoluteTimeFromUTC(2026, 7, 4, 16, 30, 0), CFTimeZone::system(), "Sat, 4 Jul 2026 12:30:00 -0400"},
        {platform::absoluteTimeFromUTC(2026, 1, 4, 16, 30, 0), CFTimeZone::system(), "Sun, 4 Jan 2026 11:30:00 -0500"},
    };
    for (const auto& [at, zone, text] : cases)
        EXPECT_EQ(spoolTimeAt(at, zone), text);
}

}  // namespace
