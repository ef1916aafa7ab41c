// The dialog's calls on the panel: fixed answers, guards and the one-way
// progress flags.
#include <gtest/gtest.h>

#include "controls/TextFields.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/TextFields.h"
#include "settings/SettingsKeys.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TestPanel.h"

namespace {

class DialogCalls : public testing::Test {
protected:
    std::shared_ptr<FakeHost> host = FakeHost::withSamplePPD();
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(host);

    // Only what the panel asked after its creation.
    void SetUp() override { host->calls.clear(); }
};

TEST_F(DialogCalls, ShouldPrintOnAFreshPanelRestoresAndSavesFirstEvenWithoutPrintSettings) {
    for (bool givesSettings : {true, false}) {
        host->givesPrintSettings = givesSettings;
        const auto fresh = makePanel(host);
        host->calls.clear();
        EXPECT_TRUE(fresh->shouldPrint());
        EXPECT_TRUE(fresh->progress.hasInited && fresh->progress.callRestoreValuesFunction &&
                    fresh->progress.callSaveValuesFunction);
        ASSERT_FALSE(host->calls.empty());
        EXPECT_EQ(host->calls.front(), "printSettings");
    }
}

TEST_F(DialogCalls, ASaveBeforeTheControlsExistLeavesAFullSaveToPrinting) {
    EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
    EXPECT_FALSE(panel->progress.hasInited || panel->progress.callSaveValuesFunction);
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_TRUE(host->settings.find(settings_keys::kSpoolTime) && host->settings.find(settings_keys::kJobSuspend));
}

TEST_F(DialogCalls, ShowingBeforeTheViewIsAskedForStillSetsUpTheViewsControls) {
    panel->willShow();
    ASSERT_TRUE(panel->panelView());
    EXPECT_TRUE(dynamic_cast<const MyIntegerNumberFilter*>(panel->outlets.suspendKeyEditText->formatter()));
    EXPECT_TRUE(panel->outlets.jobNameButton->image());
}

TEST_F(DialogCalls, PanelViewGivesTheSameViewAndInitialisesTheControls) {
    const std::shared_ptr<NSView> first = panel->panelView();
    EXPECT_TRUE(panel->progress.hasInited);
    EXPECT_EQ(panel->panelView(), first);
}

}  // namespace
