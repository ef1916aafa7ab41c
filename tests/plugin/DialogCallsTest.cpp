// The dialog's calls on the panel: fixed answers, guards and the one-way
// progress flags.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "tests/support/FakeHost.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TestPanel.h"

namespace {

class DialogCalls : public testing::Test {
protected:
    std::shared_ptr<FakeHost> host = FakeHost::withSamplePPD();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(host);

    // Only what the panel asked after its creation.
    void SetUp() override { host->calls.clear(); }
};

TEST_F(DialogCalls, AnswerWithTheirFixedValues) {
    const std::vector<std::string> keys = {"KZDocFiling", "KZHoldKey", "KZUserNumber", "KZUserName", "KZJobName"};
    for (int call = 0; call < 2; ++call) {
        EXPECT_EQ(panel->panelKind(), "nelvo.print.pde.zlm420k.JobControlKind");
        EXPECT_EQ(panel->supportedPPDOptionKeys(), keys);
        EXPECT_TRUE(panel->shouldHide());
        EXPECT_TRUE(panel->shouldShowHelp());
    }
    panel->PPDOptionKeyValueDidChange("KZHoldKey", "Custom");
    EXPECT_TRUE(host->calls.empty());
}

TEST_F(DialogCalls, PanelNameIsMadeOnceAndKept) {
    EXPECT_EQ(panel->panelName(), "Job Handling");
    ScopedEnvironmentVariable language("LANGUAGE", "de");
    ScopedLocale german(LC_ALL, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    EXPECT_EQ(panel->panelName(), "Job Handling");
    EXPECT_EQ(makePanel(host)->panelName(), "Auftragsverwaltung");
}

TEST_F(DialogCalls, ShouldPrintOnAFreshPanelRestoresAndSavesFirst) {
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_TRUE(panel->hasInited);
    EXPECT_TRUE(panel->callRestoreValuesFunction);
    EXPECT_TRUE(panel->callSaveValuesFunction);
    // The restore had to load the view, so the panel holds it.
    EXPECT_TRUE(panel->isPanelViewRetain);
    ASSERT_FALSE(host->calls.empty());
    EXPECT_EQ(host->calls.front(), "printSettings");
}

TEST_F(DialogCalls, ShouldPrintAnswersYesWithoutPrintSettings) {
    host->givesPrintSettings = false;
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_TRUE(panel->callRestoreValuesFunction && panel->callSaveValuesFunction);
}

TEST_F(DialogCalls, RestoreAndSaveEachSetTheirOwnFlagAndLeaveTheErrorSlot) {
    NSError* error = nullptr;
    EXPECT_TRUE(panel->saveValuesAndReturnError(&error));
    EXPECT_TRUE(panel->callSaveValuesFunction);
    EXPECT_FALSE(panel->callRestoreValuesFunction);
    EXPECT_FALSE(panel->hasInited);

    EXPECT_TRUE(panel->restoreValuesAndReturnError(&error));
    EXPECT_TRUE(panel->callRestoreValuesFunction);
    EXPECT_TRUE(panel->hasInited);
    EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
    EXPECT_TRUE(panel->hasInited && panel->callRestoreValuesFunction && panel->callSaveValuesFunction);
    EXPECT_EQ(error, nullptr);
}

TEST_F(DialogCalls, PanelViewGivesTheSameViewAndInitialisesTheControls) {
    const std::shared_ptr<NSView> first = panel->panelView();
    EXPECT_TRUE(panel->hasInited);
    EXPECT_EQ(panel->panelView(), first);
    EXPECT_EQ(panel->panelView_, first);
    // The dialog asked for the view itself: the panel took no hold of its own.
    EXPECT_FALSE(panel->isPanelViewRetain);
}

TEST_F(DialogCalls, WillShowInitialisesTheControls) {
    panel->willShow();
    EXPECT_TRUE(panel->hasInited);
    EXPECT_FALSE(panel->callRestoreValuesFunction || panel->callSaveValuesFunction);
}

}  // namespace
