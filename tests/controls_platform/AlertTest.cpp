#include <gtest/gtest.h>

#include <vector>

#include "platform/controls/Alert.h"

TEST(Alert, GoesToTheInstalledPresenterAndAnswersTheDefaultButton) {
    std::vector<platform::AlertRequest> shown;
    const platform::AlertPresenter previous =
        platform::setAlertPresenter([&](const platform::AlertRequest& request) { shown.push_back(request); });

    EXPECT_EQ(NSRunInformationalAlertPanel("", "Could not retrieve Folder Names.", "OK"), NSAlertDefaultReturn);
    ASSERT_EQ(shown.size(), 1u);
    const platform::AlertRequest& alert = shown[0];
    EXPECT_EQ((std::vector<std::string>{alert.title, alert.message, alert.defaultButton, alert.alternateButton,
                                        alert.otherButton}),
              (std::vector<std::string>{"", "Could not retrieve Folder Names.", "OK", "", ""}));

    platform::setAlertPresenter(previous);
}

TEST(Alert, WithoutPresenterTheAlertIsWrittenToStandardError) {
    const platform::AlertPresenter previous = platform::setAlertPresenter({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(NSRunInformationalAlertPanel("Folders", "Could not retrieve Folder Names.", "OK"), NSAlertDefaultReturn);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(written.find("Could not retrieve Folder Names."), std::string::npos);
    EXPECT_NE(written.find("[OK]"), std::string::npos);
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
