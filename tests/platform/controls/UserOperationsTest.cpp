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

// A separator of the folder menu is refused in the GTK dialog's fetch test.
TEST(Lists, RefuseRowsTheyLackAndADisabledOneKeepsItsSelection) {
    NSMatrix matrix;
    NSPopUpButton popUp;
    for (const char* title : {"Hold Only", "Hold After Print", "Sample Print"}) {
        matrix.addCell(std::make_unique<NSButtonCell>(title));
        popUp.menu().addItem(std::make_unique<NSMenuItem>(title));
    }
    int actions = 0;
    matrix.setAction([&](NSControl*) { ++actions; });
    popUp.setAction([&](NSControl*) { ++actions; });
    matrix.selectCellAtRow(1, 0);
    popUp.selectItemAtIndex(1);
    for (const int row : {3, -1}) {
        EXPECT_EQ(matrix.userSelectCellAtRow(row), UserResult::outOfRange) << row;
        EXPECT_EQ(popUp.userSelectItemAtIndex(row), UserResult::outOfRange) << row;
    }
    matrix.selectCellAtRow(1, 1);  // the matrix has one column
    matrix.setEnabled(false);
    EXPECT_EQ(matrix.userSelectCellAtRow(2), UserResult::disabled);
    EXPECT_EQ(std::pair(matrix.selectedRow(), popUp.indexOfSelectedItem()), std::pair(1, 1));
    EXPECT_EQ(actions, 0);
}
