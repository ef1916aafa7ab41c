// Alerts without a presenter, and presenters that replace themselves.
#include <gtest/gtest.h>

#include "platform/controls/Alert.h"

TEST(Alert, WithoutPresenterTheAlertIsWrittenToStandardError) {
    const platform::AlertPresenter previous = platform::setAlertPresenter({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(NSRunInformationalAlertPanel("Folders", "Could not retrieve Folder Names.", "OK"), NSAlertDefaultReturn);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("Could not retrieve Folder Names."), std::string::npos);
    platform::setAlertPresenter(previous);
}

TEST(Alert, PresenterMayReplaceItselfWhileItRuns) {
    int calls = 0;
    platform::setAlertPresenter([&](const platform::AlertRequest&) {
        ++calls;
        platform::setAlertPresenter([&](const platform::AlertRequest&) { calls += 10; });
    });
    NSRunInformationalAlertPanel("", "first", "OK");
    NSRunInformationalAlertPanel("", "second", "OK");
    EXPECT_EQ(calls, 11);
    platform::setAlertPresenter({});
}
