// The panel's PPD choice operations: the marked or default choice of an
// option, a pop-up filled with an option's choices, and selections taken
// through the host's constraint check.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

#include <gtest/gtest.h>

#include <any>
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

TEST_F(ChoiceSelection, InitPopUpFromArrayReplacesTheItemsByTheWrappers) {
    ppd_choice_t undecodable{};
    undecodable.text[0] = '\xff';
    PDEChoiceList choices = tray;
    choices.push_back(PDEChoice::choiceWithChoice(&undecodable));
    InitPopUpFromArray(&popUp, choices, NSUTF8StringEncoding);

    ASSERT_EQ(popUp.numberOfItems(), 4);
    const char* titles[] = {"Tray 2 Plus", "Tray 2", "Tray 1", ""};  // an undecodable text shows as empty
    for (int i = 0; i < 4; ++i) {
        const NSMenuItem* item = popUp.itemAtIndex(i);
        EXPECT_EQ(item->title(), titles[i]);
        const auto* wrapper = std::any_cast<std::shared_ptr<PDEChoice>>(&item->representedObject());
        EXPECT_TRUE(wrapper && *wrapper == choices[static_cast<size_t>(i)]) << i;
    }
    InitPopUpFromArray(nullptr, choices, NSUTF8StringEncoding);
}

TEST_F(ChoiceSelection, FromPopUpAsksTheHostIfItHandlesConstraintsAndKeepsTheSelectionItRefuses) {
    std::shared_ptr<PDEChoice> selection = tray[0];
    popUp.selectItemAtIndex(2);
    panel->getSelection(selection, &popUp, "KZTray");
    EXPECT_EQ(selection, tray[2]);
    EXPECT_EQ(host->callCount("willChangePPDOptionKeyValue KZTray Tray1"), 1u);

    host->refusesOptionChanges = true;
    popUp.selectItemAtIndex(1);
    panel->getSelection(selection, &popUp, "KZTray");
    EXPECT_EQ(selection, tray[2]) << "refused";

    popUp.selectItemAtIndex(-1);
    panel->getSelection(selection, &popUp, "KZTray");
    EXPECT_EQ(host->calls.size(), 2u) << "nothing selected: no choice to ask about";

    // Without constraint handling the host is not asked.
    host->constraintHandling = false;
    const auto unchecked = makePanel(host);
    host->calls.clear();
    popUp.selectItemAtIndex(1);
    unchecked->getSelection(selection, &popUp, "KZTray");
    EXPECT_EQ(selection, tray[1]);
    EXPECT_TRUE(host->calls.empty());
}

TEST_F(ChoiceSelection, FromButtonTakesTheEntryAtTheButtonsState) {
    NSButton button(NSButtonType::checkBox);
    std::shared_ptr<PDEChoice> selection;
    panel->getSelection(selection, tray, &button, "KZTray");
    EXPECT_EQ(selection, tray[0]);
    button.setState(1);
    panel->getSelection(selection, tray, &button, "KZTray");
    EXPECT_EQ(selection, tray[1]);

    // A state beyond the list selects nothing.
    panel->getSelection(selection, PDEChoiceList{tray[2]}, &button, "KZTray");
    EXPECT_EQ(selection, tray[1]);
    EXPECT_EQ(host->calls.size(), 2u);
}

}  // namespace
