// Views that lack controls: the panel answers every call, and an absent
// folder control is not read as a choice of quick file.
#include <gtest/gtest.h>

#include "tests/controls/PanelFixture.h"

namespace {

TEST(SparseLayout, APanelWithoutControlsOrWithoutAViewAnswersEveryCall) {
    for (const std::optional<std::string>& layout : {std::optional<std::string>("{}"), std::optional<std::string>()}) {
        const auto panel = FixtureBundle(layout).panelFor(FakeHost::withSamplePPD());
        EXPECT_EQ(panel->panelView() != nullptr, layout.has_value());
        panel->deviceFolders.folderList = FolderList{{"Sales", true, false, false}};
        panel->makeFolderPopup();
        EXPECT_EQ(panel->SearchSameFolderName("sales"), 3);
        EXPECT_TRUE(panel->restoreValuesAndReturnError(nullptr));
        runEveryHandlerAndRule(*panel);
        panel->willShow();
        EXPECT_TRUE(panel->saveValuesAndReturnError(nullptr));
        EXPECT_TRUE(panel->shouldPrint());
        panel->summaryInfo();
        EXPECT_TRUE(panel->progress.hasInited);
    }
}

TEST(SparseLayout, AMissingPopUpIsNotTakenForQuickFile) {
    const auto panel = FixtureBundle(R"({"controls": [
        {"name": "retentionCheckBox", "kind": "checkBox", "action": "retentionCBoxProc:"},
        {"name": "suspendKeyEditText", "kind": "editField"},
        {"name": "folderSelectionMatrix", "kind": "radioMatrix", "action": "folderSelectionMatrixProc:",
         "cells": [{"title": "Quick File"}, {"title": "Main Folder"}, {"title": "Custom Folder"}], "selected": 1}]})")
                           .panelFor(std::make_shared<FakeHost>());
    ASSERT_TRUE(panel->outlets.folderSelectionMatrix && !panel->outlets.folderSelectionPopup);
    panel->outlets.retentionCheckBox->performClick();
    EXPECT_TRUE(panel->outlets.suspendKeyEditText->isEditable());
    panel->outlets.folderSelectionMatrix->userSelectCellAtRow(0);
    EXPECT_FALSE(panel->outlets.suspendKeyEditText->isEditable()) << "quick file in the matrix alone";
    panel->outlets.retentionCheckBox->performClick();
    EXPECT_EQ(panel->outlets.folderSelectionMatrix->selectedRow(), 1);
}

}  // namespace
