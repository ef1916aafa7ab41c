// Only what a user does sends an action, and only to a control that can be
// operated; the panel's own setters never send one.
#include <gtest/gtest.h>

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"

using platform::UserResult;

TEST(Buttons, ClickingTogglesALockBeforeItsActionRunsAndAnActionMayReplaceItselfWhileRunning) {
    NSButton button(NSButtonType::lockButton);
    std::vector<int> statesSeen;
    button.setAction([&](NSControl* sender) {
        statesSeen.push_back(static_cast<NSButton*>(sender)->state());
        sender->setAction([&](NSControl* again) { statesSeen.push_back(10 + static_cast<NSButton*>(again)->state()); });
    });
    EXPECT_EQ(button.performClick(), UserResult::done);
    EXPECT_EQ(button.performClick(), UserResult::done);
    EXPECT_EQ(statesSeen, (std::vector<int>{1, 10}));
}

TEST(Buttons, SettersSendNoActionAndADisabledOrHiddenButtonRefusesTheClick) {
    NSButton button(NSButtonType::checkBox);
    int actions = 0;
    button.setAction([&](NSControl*) { ++actions; });
    button.setState(5);
    button.setEnabled(false);
    EXPECT_EQ(button.performClick(), UserResult::disabled);
    button.setEnabled(true);
    button.setHidden(true);
    EXPECT_EQ(button.performClick(), UserResult::hidden);
    EXPECT_EQ(button.state(), 1);
    EXPECT_EQ(actions, 0);
}

TEST(Matrix, RefusesRowsItLacksAndADisabledMatrixKeepsItsSelection) {
    NSMatrix matrix;
    for (const char* title : {"Hold Only", "Hold After Print", "Sample Print"})
        matrix.addCell(std::make_unique<NSButtonCell>(title));
    int actions = 0;
    matrix.setAction([&](NSControl*) { ++actions; });
    matrix.selectCellAtRow(1, 0);
    EXPECT_EQ(matrix.userSelectCellAtRow(3), UserResult::outOfRange);
    EXPECT_EQ(matrix.userSelectCellAtRow(-1), UserResult::outOfRange);
    matrix.selectCellAtRow(1, 1);  // the matrix has one column
    matrix.setEnabled(false);
    EXPECT_EQ(matrix.userSelectCellAtRow(2), UserResult::disabled);
    EXPECT_EQ(matrix.selectedRow(), 1);
    EXPECT_EQ(actions, 0);
}

TEST(PopUp, ASeparatorOrAMissingItemIsRefused) {
    NSPopUpButton popUp;
    for (const char* title : {"Quick File", "Main Folder"})
        popUp.menu().addItem(std::make_unique<NSMenuItem>(title));
    popUp.menu().addItem(NSMenuItem::separatorItem());
    int actions = 0;
    popUp.setAction([&](NSControl*) { ++actions; });
    popUp.selectItemAtIndex(1);
    EXPECT_EQ(popUp.userSelectItemAtIndex(2), UserResult::notSelectable);
    EXPECT_EQ(popUp.userSelectItemAtIndex(3), UserResult::outOfRange);
    EXPECT_EQ(popUp.indexOfSelectedItem(), 1);
    EXPECT_EQ(actions, 0);
}
