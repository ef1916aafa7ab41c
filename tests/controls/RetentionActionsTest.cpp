// Retention and filing as the user switches them: the quick-file coupling,
// the reset when retention goes off, and the rules that follow.
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

void PrintTo(const FilingChoice& choice, std::ostream* out) { *out << choice.name; }

class RetentionSwitch : public PanelTest, public testing::WithParamInterface<FilingChoice> {
protected:
    int shownChoice() {
        return GetParam().inPopUp ? panel->folderSelectionPopup->indexOfSelectedItem()
                                  : panel->folderSelectionMatrix->selectedRow();
    }
    bool groupUsable(const Outlet<NSTextField>& label, const Outlet<NSTextField>& field, const Outlet<NSButton>& lock) {
        return (!label || usable(label)) && usable(field) && lock->isEnabled();
    }
    bool groupDimmed(const Outlet<NSTextField>& label, const Outlet<NSTextField>& field, const Outlet<NSButton>& lock) {
        return (!label || dimmed(label)) && dimmed(field) && !lock->isEnabled();
    }
};

TEST_P(RetentionSwitch, OnOpensWhatTheFilingChoiceTakesAndOffResetsIt) {
    const FilingChoice& choice = GetParam();
    const Outlet<NSTextField> none;
    listThreeFolders();
    if (choice.inPopUp)
        choose(panel->folderSelectionPopup, choice.index);
    else
        choose(panel->folderSelectionMatrix, choice.index);
    click(panel->retentionCheckBox);

    EXPECT_TRUE(panel->suspendMatrix->isEnabled() && panel->folderSelectionPopup->isEnabled() &&
                panel->folderSelectionMatrix->isEnabled() && usable(panel->folderSelectionStaticText));
    EXPECT_EQ(groupUsable(panel->suspendKeyStaticText, panel->suspendKeyEditText, panel->suspendKeyButton), !choice.quickFile);
    EXPECT_EQ(groupUsable(panel->folderPasswordStaticText, panel->folderPasswordEditText, panel->folderPasswordButton),
              choice.folderPassCode);
    EXPECT_EQ(groupUsable(none, panel->folderNameEditText, panel->folderNameButton), choice.folderName);

    for (const auto* field : {&panel->suspendKeyEditText, &panel->folderPasswordEditText, &panel->folderNameEditText})
        (*field)->setStringValue("123");
    click(panel->retentionCheckBox);

    EXPECT_EQ(shownChoice(), choice.quickFile ? 1 : choice.index) << "quick file gives way to the main folder";
    EXPECT_EQ(panel->suspendMatrix->selectedRow(), 0);
    for (const auto* field : {&panel->suspendKeyEditText, &panel->folderPasswordEditText, &panel->folderNameEditText})
        EXPECT_EQ((*field)->stringValue(), "") << (*field)->fieldName();
    EXPECT_TRUE(groupDimmed(panel->suspendKeyStaticText, panel->suspendKeyEditText, panel->suspendKeyButton));
    EXPECT_TRUE(groupDimmed(panel->folderPasswordStaticText, panel->folderPasswordEditText, panel->folderPasswordButton));
    EXPECT_TRUE(groupDimmed(none, panel->folderNameEditText, panel->folderNameButton));
    EXPECT_FALSE(panel->suspendMatrix->isEnabled() || panel->folderSelectionPopup->isEnabled() ||
                 panel->folderSelectionMatrix->isEnabled());
    EXPECT_TRUE(dimmed(panel->folderSelectionStaticText));
}

INSTANTIATE_TEST_SUITE_P(
    EachFilingChoice, RetentionSwitch,
    testing::Values(FilingChoice{"PopUpQuickFile", true, 0, true, false, false},
                    FilingChoice{"PopUpMainFolder", true, 1, false, false, false},
                    FilingChoice{"PopUpOpenFolder", true, 3, false, false, false},
                    FilingChoice{"PopUpProtectedFolder", true, 4, false, true, false},
                    FilingChoice{"MatrixQuickFile", false, 0, true, false, false},
                    FilingChoice{"MatrixMainFolder", false, 1, false, false, false},
                    FilingChoice{"MatrixCustomFolder", false, 2, false, true, true}),
    [](const testing::TestParamInfo<FilingChoice>& info) { return std::string(info.param.name); });

using Filing = PanelTest;

TEST_F(Filing, RetentionOffKeepsEveryLockedField) {
    click(panel->retentionCheckBox);
    choose(panel->folderSelectionMatrix, 2);
    for (const auto& [field, lock] : {std::pair{&panel->suspendKeyEditText, &panel->suspendKeyButton},
                                      std::pair{&panel->folderPasswordEditText, &panel->folderPasswordButton},
                                      std::pair{&panel->folderNameEditText, &panel->folderNameButton}}) {
        type(*field, "77");
        click(*lock);
    }
    click(panel->retentionCheckBox);
    for (const auto* field : {&panel->suspendKeyEditText, &panel->folderPasswordEditText, &panel->folderNameEditText})
        EXPECT_EQ((*field)->stringValue(), "77") << (*field)->fieldName();
}

TEST_F(Filing, QuickFileForcesHoldAfterPrintAndOnlyTheMatrixClearsTheFolderFields) {
    click(panel->retentionCheckBox);
    choose(panel->suspendMatrix, 2);
    choose(panel->folderSelectionMatrix, 2);
    type(panel->folderPasswordEditText, "42");
    type(panel->folderNameEditText, "Sales");
    type(panel->suspendKeyEditText, "123");

    choose(panel->folderSelectionPopup, 0);
    EXPECT_EQ(panel->suspendMatrix->selectedRow(), 1);
    EXPECT_EQ(panel->suspendKeyEditText->stringValue(), "");
    EXPECT_TRUE(dimmed(panel->suspendKeyStaticText) && dimmed(panel->suspendKeyEditText));
    EXPECT_FALSE(panel->suspendKeyButton->isEnabled());
    EXPECT_EQ(panel->folderPasswordEditText->stringValue(), "42") << "the pop-up clears no folder field";

    choose(panel->folderSelectionMatrix, 2);  // the custom row clears nothing
    EXPECT_EQ(panel->folderNameEditText->stringValue(), "Sales");
    click(panel->folderNameButton);
    choose(panel->folderSelectionMatrix, 0);
    EXPECT_EQ(panel->folderPasswordEditText->stringValue(), "");
    EXPECT_EQ(panel->folderNameEditText->stringValue(), "Sales") << "locked";
    choose(panel->folderSelectionMatrix, 2);
    type(panel->folderPasswordEditText, "42");
    choose(panel->folderSelectionMatrix, 1);
    EXPECT_EQ(panel->folderPasswordEditText->stringValue(), "") << "the main-folder row clears too";
}

TEST_F(Filing, AHoldModeOtherThanHoldAfterPrintTakesBothFolderControlsToTheMainFolder) {
    click(panel->retentionCheckBox);
    for (int row : {0, 2}) {
        choose(panel->folderSelectionPopup, 0);
        choose(panel->folderSelectionMatrix, 0);
        choose(panel->suspendMatrix, row);
        EXPECT_EQ(panel->folderSelectionPopup->indexOfSelectedItem(), 1) << row;
        EXPECT_EQ(panel->folderSelectionMatrix->selectedRow(), 1) << row;
        EXPECT_TRUE(usable(panel->suspendKeyEditText) && panel->suspendKeyButton->isEnabled()) << row;
    }
    choose(panel->folderSelectionPopup, 0);
    choose(panel->suspendMatrix, 1);
    EXPECT_EQ(panel->folderSelectionPopup->indexOfSelectedItem(), 0) << "hold after print goes with quick file";
}

}  // namespace
