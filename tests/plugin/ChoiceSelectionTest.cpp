// The panel's PPD choice operations: the marked or default choice of an
// option, and selections taken through the host's constraint check.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <gtest/gtest.h>

#include <memory>

#include "PpdFiles.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJCPDEChoice.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TestPanel.h"

namespace {

TEST(IndexOfMarkedOption, PrefersTheMarkedChoiceThenTheDefault) {
    const auto panel = makePanel(std::make_shared<FakeHost>());
    const OpenedPPD ppd = openUnmarked(fixturePPD("choices.ppd"));
    ASSERT_TRUE(ppd);
    panel->context.ppd = ppd.get();
    ppd_option_t* tray = ppdFindOption(ppd.get(), "KZTray");
    ppd_option_t* noDefault = ppdFindOption(ppd.get(), "KZNoDefault");
    ASSERT_TRUE(tray && noDefault);
    EXPECT_EQ(panel->indexOfMarkedOption(tray, "KZTray"), 2);
    EXPECT_EQ(panel->indexOfMarkedOption(noDefault, "KZNoDefault"), -1);
    ppdMarkOption(ppd.get(), "KZTray", "Tray2Plus");
    EXPECT_EQ(panel->indexOfMarkedOption(tray, "KZTray"), 0);

    // A marked choice of another option is no position in this one: the
    // option's own default answers.
    EXPECT_EQ(panel->indexOfMarkedOption(tray, "KZNoDefault"), 2);
    EXPECT_EQ(panel->indexOfMarkedOption(nullptr, "KZTray"), -1);
}

class ChoiceSelection : public testing::Test {
protected:
    std::shared_ptr<FakeHost> host = FakeHost::withPPD(fixturePPD("choices.ppd"));
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(host);
    PDEChoiceList tray = *ArrayFromPPDOption(ppdFindOption(host->ppdFile(), "KZTray"));
    NSPopUpButton popUp;

    void SetUp() override {
        InitPopUpFromArray(&popUp, tray, panel->context.ppdEncoding);
        host->calls.clear();
    }
};

TEST_F(ChoiceSelection, TakesTheChosenEntryUnlessTheHostRefusesItOrThereIsNone) {
    std::shared_ptr<PDEChoice> selection = tray[0];
    popUp.selectItemAtIndex(2);
    panel->getSelection(selection, &popUp, "KZTray");
    EXPECT_EQ(selection, tray[2]);
    EXPECT_EQ(host->callCount("willChangePPDOptionKeyValue KZTray Tray1"), 1u);

    host->refusesOptionChanges = true;
    popUp.selectItemAtIndex(1);
    panel->getSelection(selection, &popUp, "KZTray");
    EXPECT_EQ(selection, tray[2]) << "refused";
    host->refusesOptionChanges = false;

    // Nothing selected, or a button's state beyond the list: no choice to ask about.
    popUp.selectItemAtIndex(-1);
    panel->getSelection(selection, &popUp, "KZTray");
    NSButton button(NSButtonType::checkBox);
    button.setState(1);
    panel->getSelection(selection, PDEChoiceList{tray[0]}, &button, "KZTray");
    EXPECT_EQ(selection, tray[2]);
    EXPECT_EQ(host->calls.size(), 2u);

    // Without constraint handling the host is not asked.
    host->constraintHandling = false;
    const auto unchecked = makePanel(host);
    host->calls.clear();
    unchecked->getSelection(selection, tray, &button, "KZTray");
    EXPECT_EQ(selection, tray[1]);
    EXPECT_TRUE(host->calls.empty());
}

}  // namespace
