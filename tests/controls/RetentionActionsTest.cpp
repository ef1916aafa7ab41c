// Retention and filing as the user switches them: the quick-file coupling,
// the reset when retention goes off, and the rules that follow, with their
// edges. (Modes and locks open their groups in ModesAndLocksTest.)
#include <gtest/gtest.h>

#include "tests/controls/PanelFixture.h"

namespace {

struct FilingChoice {
    const char* name;
    bool inPopUp;  // otherwise in the matrix
    int index;
    bool quickFile;
    bool folderPassCode;  // the folder pass-code group applies
    bool folderName;      // the folder-name group applies
};

void PrintTo(const FilingChoice& choice, std::ostream* out) {
    *out << choice.name;
}

class RetentionSwitch : public PanelTest, public testing::WithParamInterface<FilingChoice> {
protected:
    // The label (if any), the field and its lock, all usable or all dimmed.
    bool group(bool open, const Outlet<NSTextField>& label, const Outlet<NSTextField>& field,
               const Outlet<NSButton>& lock) {
        return open ? (!label || usable(label)) && usable(field) && lock->isEnabled()
                    : (!label || dimmed(label)) && dimmed(field) && !lock->isEnabled();
    }
    bool groups(bool passCode, bool folderPassCode, bool folderName) {
        return group(passCode, panel->outlets.suspendKeyStaticText, panel->outlets.suspendKeyEditText,
                     panel->outlets.suspendKeyButton) &&
               group(folderPassCode, panel->outlets.folderPasswordStaticText, panel->outlets.folderPasswordEditText,
                     panel->outlets.folderPasswordButton) &&
               group(folderName, {}, panel->outlets.folderNameEditText, panel->outlets.folderNameButton);
    }
};

TEST_P(RetentionSwitch, OnOpensWhatTheFilingChoiceTakesAndOffResetsIt) {
    const FilingChoice& choice = GetParam();
    listThreeFolders();
    if (choice.inPopUp)
        choose(panel->outlets.folderSelectionPopup, choice.index);
    else
        choose(panel->outlets.folderSelectionMatrix, choice.index);
    click(panel->outlets.retentionCheckBox);
    EXPECT_TRUE(panel->outlets.suspendMatrix->isEnabled() && panel->outlets.folderSelectionPopup->isEnabled() &&
                panel->outlets.folderSelectionMatrix->isEnabled() && usable(panel->outlets.folderSelectionStaticText));
    EXPECT_TRUE(groups(!choice.quickFile, choice.folderPassCode, choice.folderName));

    for (const auto* field : {&panel->outlets.suspendKeyEditText, &panel->outlets.folderPasswordEditText,
                              &panel->outlets.folderNameEditText})
        (*field)->setStringValue("123");
    click(panel->outlets.retentionCheckBox);
    const int shown = choice.inPopUp ? panel->outlets.folderSelectionPopup->indexOfSelectedItem()
                                     : panel->outlets.folderSelectionMatrix->selectedRow();
    EXPECT_EQ(shown, choice.quickFile ? 1 : choice.index) << "quick file gives way to the main folder";
    EXPECT_EQ(panel->outlets.suspendMatrix->selectedRow(), 0);
    for (const auto* field : {&panel->outlets.suspendKeyEditText, &panel->outlets.folderPasswordEditText,
                              &panel->outlets.folderNameEditText})
        EXPECT_EQ((*field)->stringValue(), "") << (*field)->fieldName();
    EXPECT_TRUE(groups(false, false, false));
    EXPECT_FALSE(panel->outlets.suspendMatrix->isEnabled() || panel->outlets.folderSelectionPopup->isEnabled() ||
                 panel->outlets.folderSelectionMatrix->isEnabled());
    EXPECT_TRUE(dimmed(panel->outlets.folderSelectionStaticText));
}

INSTANTIATE_TEST_SUITE_P(EachFilingChoice, RetentionSwitch,
                         testing::Values(FilingChoice{"PopUpQuickFile", true, 0, true, false, false},
                                         FilingChoice{"PopUpOpenFolder", true, 3, false, false, false},
                                         FilingChoice{"PopUpProtectedFolder", true, 4, false, true, false},
                                         FilingChoice{"MatrixCustomFolder", false, 2, false, true, true}),
                         [](const testing::TestParamInfo<FilingChoice>& info) { return std::string(info.param.name); });

using Filing = PanelTest;

TEST_F(Filing, QuickFileAndHoldAfterPrintGoTogetherAndOnlyTheMatrixClearsTheFolderFields) {
    click(panel->outlets.retentionCheckBox);
    choose(panel->outlets.suspendMatrix, 2);
    choose(panel->outlets.folderSelectionMatrix, 2);
    type(panel->outlets.folderPasswordEditText, "42");
    type(panel->outlets.folderNameEditText, "Sales");
    type(panel->outlets.suspendKeyEditText, "123");

    choose(panel->outlets.folderSelectionPopup, 0);
    EXPECT_EQ(panel->outlets.suspendMatrix->selectedRow(), 1);
    EXPECT_EQ(panel->outlets.suspendKeyEditText->stringValue(), "");
    EXPECT_EQ(panel->outlets.folderPasswordEditText->stringValue(), "42") << "the pop-up clears no folder field";

    click(panel->outlets.folderNameButton);
    choose(panel->outlets.folderSelectionMatrix, 0);
    EXPECT_EQ(panel->outlets.folderPasswordEditText->stringValue(), "");
    EXPECT_EQ(panel->outlets.folderNameEditText->stringValue(), "Sales") << "locked";

    // Another hold mode takes both folder controls from quick file to the main folder.
    choose(panel->outlets.suspendMatrix, 2);
    EXPECT_EQ(panel->outlets.folderSelectionPopup->indexOfSelectedItem(), 1);
    EXPECT_EQ(panel->outlets.folderSelectionMatrix->selectedRow(), 1);
    EXPECT_TRUE(usable(panel->outlets.suspendKeyEditText) && panel->outlets.suspendKeyButton->isEnabled());
}

// The rules' own edge, below what the handlers reach.
TEST_F(Filing, APopUpIndexWithoutAProtectedListEntryNeedsNoFolderPassCode) {
    panel->outlets.retentionCheckBox->setState(1);
    listThreeFolders();
    panel->deviceFolders.folderList->resize(1);  // the menu now reaches past the list's end
    for (int index : {-1, 2, 4}) {               // no selection, the separator, past the end
        panel->outlets.folderSelectionPopup->selectItemAtIndex(index);
        runEveryHandlerAndRule(*panel);
        EXPECT_TRUE(dimmed(panel->outlets.folderPasswordEditText) && !panel->outlets.folderPasswordButton->isEnabled())
            << index;
    }
}

}  // namespace
