#include "platform/core/CoreTime.h"

#include <gtest/gtest.h>

namespace {

// 4 December 2026, 20:11:09.8 UTC, a Friday.
const CFAbsoluteTime kFridayEvening = platform::absoluteTimeFromUTC(2026, 12, 4, 20, 11, 9.8);

TEST(AbsoluteTimeFromUTC, CountsSecondsFromTheStartOf2001) {
    EXPECT_DOUBLE_EQ(platform::absoluteTimeFromUTC(2001, 1, 1, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(platform::absoluteTimeFromUTC(2001, 1, 2, 1, 1, 1.5), 86400.0 + 3661.5);
    EXPECT_DOUBLE_EQ(platform::absoluteTimeFromUTC(1970, 1, 1, 0, 0, 0), -kCFAbsoluteTimeIntervalSince1970);
}

// The zones, days of the week and daylight saving are checked through the
// spool time (tests/settings/SpoolTimeTest.cpp), their one user.
TEST(GregorianDate, KeepsTheFractionOfSecondsBefore1970) {
    // Negative times must round down to the second, not toward zero.
    const CFAbsoluteTime at = platform::absoluteTimeFromUTC(1969, 12, 31, 23, 59, 58.25);
    const CFGregorianDate date = CFAbsoluteTimeGetGregorianDate(at, CFTimeZone::fixedOffset(0));
    EXPECT_EQ(date.year, 1969);
    EXPECT_EQ(date.minute, 59);
    EXPECT_NEAR(date.second, 58.25, 1e-6);
}

TEST(ScopedFixedClock, FixesTheClockAndZoneUntilItGoes) {
    {
        platform::ScopedFixedClock fixed(kFridayEvening, CFTimeZone::fixedOffset(9 * 3600));
        EXPECT_EQ(CFAbsoluteTimeGetCurrent(), kFridayEvening);
        EXPECT_EQ(CFTimeZoneCopySystem().fixedSecondsFromGMT(), 9 * 3600);
        EXPECT_FALSE(CFTimeZoneCopySystem().isSystem());
    }
    EXPECT_TRUE(CFTimeZoneCopySystem().isSystem());
    EXPECT_NE(CFAbsoluteTimeGetCurrent(), kFridayEvening);
    EXPECT_GT(CFAbsoluteTimeGetCurrent(), platform::absoluteTimeFromUTC(2024, 1, 1, 0, 0, 0));
}

}  // namespace
