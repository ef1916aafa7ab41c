// Labels through the bundle's strings, in English and in German, and the
// padlock icons of the lock buttons.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>

#include "controls/SystemIcon.h"
#include "host/ViewDump.h"
#include "platform/controls/NSBox.h"
#include "platform/controls/NSButtonCell.h"
#include "tests/controls/PanelFixture.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

using Text = std::optional<std::string>;
using Labels = PanelTest;

TEST_F(Labels, KeepTheFirstColonDropWhatFollowsAndTakeEachControlsText) {
    EXPECT_EQ(panel->localizedStringValue(Text()), std::nullopt);
    EXPECT_EQ(panel->localizedStringValue(Text("")), "");
    EXPECT_EQ(panel->localizedStringValue(Text(":Name")), ":Name");
    EXPECT_EQ(panel->localizedStringValue(Text("Job Name: x")), "Job Name:");
    EXPECT_EQ(panel->localizedStringValue(Text("Retention")), "Retention");

    NSBox box;
    box.setTitle("A:B");
    NSButtonCell cell("Hold Only");
    EXPECT_EQ(panel->localizedStringValue(&box), "A:");
    EXPECT_EQ(panel->localizedStringValue(static_cast<const NSObject*>(&cell)), "Hold Only");
    EXPECT_EQ(panel->localizedStringValue(static_cast<const NSObject*>(panel->suspendMatrix.get())), std::nullopt);
    EXPECT_EQ(panel->localizedStringValue(static_cast<const NSTextField*>(nullptr)), std::nullopt);
}

class GermanLabels : public PanelTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
        PanelTest::SetUp();
    }
    ScopedEnvironmentVariable language{"LANGUAGE", "de"};
    ScopedLocale german{LC_ALL, "de_DE.UTF-8"};
};

// Every title, text, tab label, cell and item of a layout or a view dump.
void collectTexts(const nlohmann::json& node, std::set<std::string>& texts, bool isText = false) {
    if (node.is_string() && isText && !node.get<std::string>().empty()) texts.insert(node.get<std::string>());
    if (node.is_array())
        for (const auto& element : node) collectTexts(element, texts, isText);
    if (node.is_object())
        for (const auto& [key, value] : node.items())
            collectTexts(value, texts, key == "title" || key == "text" || key == "label" || key == "items" || key == "tabs");
}

TEST_F(GermanLabels, NoTextOfTheLayoutIsLeftInEnglish) {
    std::set<std::string> english;
    collectTexts(nlohmann::json::parse(std::ifstream(NELVO_SOURCE_DIR "/resources/JobControl5.json")), english);
    std::set<std::string> shown;
    collectTexts(dumpView(view.get()), shown);
    ASSERT_GT(english.size(), 20u);
    for (const std::string& text : shown) EXPECT_EQ(english.count(text), 0u) << "untranslated: " << text;
    EXPECT_EQ(panel->suspendKeyStaticText->stringValue(), "Kenncode:");
    EXPECT_EQ(panel->folderSelectionPopup->itemAtIndex(0)->title(), "Schnellablage");
}

TEST(LockIcons, EachCallGivesANewPadlockOf18Points) {
    const auto bundle = NSBundle::bundleWithPath(NELVO_BUNDLE_DIR);
    for (const auto& [code, name] : {std::pair{kLockedIconType, "lock"}, std::pair{kUnlockedIconType, "ulck"}}) {
        const auto first = initWithSystemIconType(code, bundle.get());
        const auto second = initWithSystemIconType(code, bundle.get());
        ASSERT_TRUE(first && second) << name;
        EXPECT_NE(first, second);
        EXPECT_EQ(first->name(), name);
        EXPECT_EQ(first->size(), (NSSize{18, 18}));
        EXPECT_EQ(NSImage::imageWithContentsOfFile(first->path())->size(), (NSSize{18, 18})) << "drawn at that size";
    }
    EXPECT_EQ(initWithSystemIconType(0x2E2E2F73, bundle.get()), nullptr);  // '../s'
    EXPECT_EQ(initWithSystemIconType(kLockedIconType, nullptr), nullptr);
}

}  // namespace
