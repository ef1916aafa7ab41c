// Labels through the bundle's strings, their translation, and the padlock
// icons of the lock buttons.
#include <gtest/gtest.h>

#include "controls/SystemIcon.h"
#include "platform/controls/Buttons.h"
#include "tests/controls/PanelFixture.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TestPanel.h"

namespace {

using Text = std::optional<std::string>;
using Labels = PanelTest;

TEST_F(Labels, KeepTheFirstColonDropWhatFollowsAndTakeEachControlsText) {
    EXPECT_EQ(panel->localizedStringValue(Text()), std::nullopt);
    EXPECT_EQ(panel->localizedStringValue(Text(":Name")), ":Name");
    EXPECT_EQ(panel->localizedStringValue(Text("Job Name: x")), "Job Name:");
    NSButtonCell cell("Hold Only");
    EXPECT_EQ(panel->localizedStringValue(static_cast<const NSObject*>(&cell)), "Hold Only");
    EXPECT_EQ(panel->localizedStringValue(static_cast<const NSObject*>(panel->outlets.suspendMatrix.get())),
              std::nullopt);
}

TEST(GermanLabels, LabelsAndMenuItemsAreTranslated) {
    const ScopedEnvironmentVariable language("LANGUAGE", "de");
    const ScopedLocale german(LC_ALL, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    const auto panel = makePanel(std::make_shared<FakeHost>());
    panel->panelView();
    EXPECT_EQ(panel->outlets.suspendKeyStaticText->stringValue(), "Kenncode:");
    EXPECT_EQ(panel->outlets.folderSelectionPopup->itemAtIndex(0)->title(), "Schnellablage");
}

TEST(LockIcons, AnUnknownTypeOrNoBundleGivesNone) {
    const auto bundle = NSBundle::bundleWithPath(NELVO_BUNDLE_DIR);
    ASSERT_TRUE(initWithSystemIconType(kLockedIconType, bundle.get()));
    EXPECT_EQ(initWithSystemIconType(0x2E2E2F73, bundle.get()), nullptr);  // '../s'
    EXPECT_EQ(initWithSystemIconType(kLockedIconType, nullptr), nullptr);
}

}  // namespace
