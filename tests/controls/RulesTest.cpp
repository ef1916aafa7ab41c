// The enabling rules at their edges, and the dimming with its focus moves.
// (The groups as each filing choice and mode opens them are tested through
// the handlers, in RetentionActionsTest and LockButtonsTest.)
#include <gtest/gtest.h>

#include "controls/Hilite.h"
#include "tests/controls/PanelFixture.h"

namespace {

class Rules : public PanelTest {
protected:
    bool folderPassCodeGroupDimmed() {
        return dimmed(panel->folderPasswordStaticText) && dimmed(panel->folderPasswordEditText) &&
               !panel->folderPasswordButton->isEnabled();
    }
};

TEST_F(Rules, APopUpIndexWithoutAProtectedListEntryNeedsNoFolderPassCode) {
    panel->retentionCheckBox->setState(1);
    listThreeFolders();
    panel->folderList->resize(1);  // the menu now reaches past the list's end
    for (int index : {-1, 2, 4}) {   // no selection, the separator, past the end
        panel->folderSelectionPopup->selectItemAtIndex(index);
        runEveryHandlerAndRule(*panel);
        EXPECT_TRUE(folderPassCodeGroupDimmed()) << index;
    }
    panel->folderList.reset();
    runEveryHandlerAndRule(*panel);
    EXPECT_TRUE(folderPassCodeGroupDimmed());
}

TEST_F(Rules, NameAndAccountFieldsFollowTheirLocksAlone) {
    panel->userNameStaticText->setTextColor(NSColor::grayColor);
    panel->userNameButton->setEnabled(false);
    panel->accountNumberButton->setEnabled(false);
    panel->jobNameButton->setState(1);
    panel->authenticationMatrix->selectCellAtRow(1, 0);
    runEveryHandlerAndRule(*panel);
    EXPECT_TRUE(usable(panel->userNameEditText));
    EXPECT_TRUE(dimmed(panel->jobNameEditText));
    EXPECT_TRUE(usable(panel->accountNumberEditText));
    // Their labels and lock buttons belong to no rule.
    EXPECT_EQ(panel->userNameStaticText->textColor(), NSColor::grayColor);
    EXPECT_FALSE(panel->userNameButton->isEnabled() || panel->accountNumberButton->isEnabled());
}

TEST_F(Rules, DimmingMovesTheFocusForEditFieldsOnly) {
    myZlm420kJCHilite(panel->jobNameEditText, false);
    EXPECT_EQ(focus(), panel->jobNameEditText.get());
    myZlm420kJCHilite(panel->jobNameStaticText, true);
    EXPECT_TRUE(dimmed(panel->jobNameStaticText));
    EXPECT_EQ(focus(), panel->jobNameEditText.get()) << "a label takes and drops no focus";
    myZlm420kJCHilite(panel->userNameEditText, true);
    EXPECT_EQ(focus(), nullptr) << "dimming any field leaves no field focused";
    myZlm420kJCHilite(Outlet<NSTextField>(), false);
    EXPECT_EQ(focus(), nullptr);
}

}  // namespace
