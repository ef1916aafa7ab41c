#include "platform/core/CoreTime.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"

namespace {

constexpr int32_t kHour = 3600;

// 4 December 2026, 20:11:09.8 UTC, a Friday.
const CFAbsoluteTime kFridayEvening = platform::absoluteTimeFromUTC(2026, 12, 4, 20, 11, 9.8);

TEST(AbsoluteTimeFromUTC, CountsSecondsFromTheStartOf2001) {
    EXPECT_DOUBLE_EQ(platform::absoluteTimeFromUTC(2001, 1, 1, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(platform::absoluteTimeFromUTC(2001, 1, 2, 1, 1, 1.5), 86400.0 + 3661.5);
    EXPECT_DOUBLE_EQ(platform::absoluteTimeFromUTC(1970, 1, 1, 0, 0, 0), -kCFAbsoluteTimeIntervalSince1970);
}

// The spool-time tests cover the zones at large; these the calls themselves.
TEST(GregorianDate, FollowsAFixedZoneAcrossTheDayBoundary) {
    const CFTimeZone tokyo = CFTimeZone::fixedOffset(9 * kHour);
    const CFGregorianDate date = CFAbsoluteTimeGetGregorianDate(kFridayEvening, tokyo);
    EXPECT_EQ(date.year, 2026);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 5);
    EXPECT_EQ(date.hour, 5);
    EXPECT_EQ(date.minute, 11);
    EXPECT_NEAR(date.second, 9.8, 1e-6);
    EXPECT_EQ(CFAbsoluteTimeGetDayOfWeek(kFridayEvening, tokyo), 6);
    EXPECT_EQ(CFAbsoluteTimeGetDayOfWeek(kFridayEvening, CFTimeZone::fixedOffset(-5 * kHour)), 5);
    EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(tokyo, kFridayEvening), 9 * kHour);
}

TEST(GregorianDate, KeepsTheFractionOfSecondsBefore1970) {
    // Negative times must round down to the second, not toward zero.
    const CFAbsoluteTime at = platform::absoluteTimeFromUTC(1969, 12, 31, 23, 59, 58.25);
    const CFGregorianDate date = CFAbsoluteTimeGetGregorianDate(at, CFTimeZone::fixedOffset(0));
    EXPECT_EQ(date.year, 1969);
    EXPECT_EQ(date.minute, 59);
    EXPECT_NEAR(date.second, 58.25, 1e-6);
}

TEST(SystemZone, FollowsDaylightSavingTime) {
    ScopedEnvironmentVariable zone("TZ", "America/New_York");
    const CFTimeZone system = CFTimeZoneCopySystem();
    ASSERT_TRUE(system.isSystem());
    const CFAbsoluteTime winter = platform::absoluteTimeFromUTC(2026, 1, 15, 12, 0, 0);
    const CFAbsoluteTime summer = platform::absoluteTimeFromUTC(2026, 7, 15, 12, 0, 0);
    EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(system, winter), -5 * kHour);
    EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(system, summer), -4 * kHour);
    EXPECT_EQ(CFAbsoluteTimeGetGregorianDate(winter, system).hour, 7);
    EXPECT_EQ(CFAbsoluteTimeGetGregorianDate(summer, system).hour, 8);
}

TEST(ScopedFixedClock, FixesTheClockAndZoneUntilItGoes) {
    {
        platform::ScopedFixedClock fixed(kFridayEvening, CFTimeZone::fixedOffset(9 * kHour));
        EXPECT_EQ(CFAbsoluteTimeGetCurrent(), kFridayEvening);
        EXPECT_EQ(CFTimeZoneCopySystem().fixedSecondsFromGMT(), 9 * kHour);
        EXPECT_FALSE(CFTimeZoneCopySystem().isSystem());
    }
    EXPECT_TRUE(CFTimeZoneCopySystem().isSystem());
    EXPECT_NE(CFAbsoluteTimeGetCurrent(), kFridayEvening);
    EXPECT_GT(CFAbsoluteTimeGetCurrent(), platform::absoluteTimeFromUTC(2024, 1, 1, 0, 0, 0));
}

}  // namespace
