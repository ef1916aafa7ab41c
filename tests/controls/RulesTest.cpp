// The enabling rules at their edges, and the dimming with its focus moves.
// (The groups as each filing choice and mode opens them are tested through
// the handlers, in RetentionActionsTest and ModesAndLocksTest.)
#include <gtest/gtest.h>

#include "controls/Hilite.h"
#include "tests/controls/PanelFixture.h"

namespace {

using Rules = PanelTest;

TEST_F(Rules, APopUpIndexWithoutAProtectedListEntryNeedsNoFolderPassCode) {
    panel->retentionCheckBox->setState(1);
    listThreeFolders();
    panel->folderList->resize(1);  // the menu now reaches past the list's end
    for (int index : {-1, 2, 4}) {   // no selection, the separator, past the end
        panel->folderSelectionPopup->selectItemAtIndex(index);
        runEveryHandlerAndRule(*panel);
        EXPECT_TRUE(dimmed(panel->folderPasswordEditText) && !panel->folderPasswordButton->isEnabled()) << index;
    }
}

TEST_F(Rules, NameAndAccountFieldsFollowTheirLocksAlone) {
    panel->userNameButton->setEnabled(false);
    panel->jobNameButton->setState(1);
    panel->authenticationMatrix->selectCellAtRow(1, 0);
    runEveryHandlerAndRule(*panel);
    EXPECT_TRUE(usable(panel->userNameEditText) && usable(panel->accountNumberEditText));
    EXPECT_TRUE(dimmed(panel->jobNameEditText));
    EXPECT_FALSE(panel->userNameButton->isEnabled()) << "their lock buttons belong to no rule";
}

TEST_F(Rules, DimmingMovesTheFocusForEditFieldsOnly) {
    myZlm420kJCHilite(panel->jobNameEditText, false);
    myZlm420kJCHilite(panel->jobNameStaticText, true);
    EXPECT_EQ(focus(), panel->jobNameEditText.get()) << "a label takes and drops no focus";
    myZlm420kJCHilite(panel->userNameEditText, true);
    EXPECT_EQ(focus(), nullptr) << "dimming any field leaves no field focused";
}

}  // namespace
