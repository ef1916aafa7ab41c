// Only what a user does sends an action, and only to a control that can be
// operated; the panel's own setters never send one.
#include <gtest/gtest.h>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "tests/controls_platform/ActionLog.h"

using platform::UserResult;

namespace {

void addItems(NSPopUpButton& popUp, std::initializer_list<const char*> titles) {
    for (const char* title : titles) popUp.menu().addItem(std::make_unique<NSMenuItem>(title));
}

}  // namespace

TEST(Buttons, ClickingTogglesALockBeforeItsActionRuns) {
    NSButton button(NSButtonType::lockButton);
    std::vector<int> statesSeenByAction;
    button.setAction([&](NSControl* sender) { statesSeenByAction.push_back(static_cast<NSButton*>(sender)->state()); });
    EXPECT_EQ(button.performClick(), UserResult::done);
    EXPECT_EQ(button.performClick(), UserResult::done);
    EXPECT_EQ(statesSeenByAction, (std::vector<int>{1, 0}));
}

TEST(Buttons, SettersSendNoActionAndADisabledOrHiddenButtonRefusesTheClick) {
    NSButton button(NSButtonType::checkBox);
    ActionLog log;
    button.setAction(log.recorder());
    button.setState(5);
    button.setEnabled(false);
    EXPECT_EQ(button.performClick(), UserResult::disabled);
    button.setEnabled(true);
    button.setHidden(true);
    EXPECT_EQ(button.performClick(), UserResult::hidden);
    EXPECT_EQ(button.state(), 1);
    EXPECT_TRUE(log.senders.empty());
}

TEST(Buttons, ActionThatReplacesItselfWhileRunningIsSafe) {
    NSButton button(NSButtonType::pushButton);
    int calls = 0;
    button.setAction([&](NSControl* sender) {
        ++calls;
        sender->setAction(nullptr);
    });
    button.performClick();
    button.performClick();
    EXPECT_EQ(calls, 1);
}

TEST(Matrix, RefusesRowsItLacksAndADisabledMatrixKeepsItsSelection) {
    NSMatrix matrix;
    for (const char* title : {"Hold Only", "Hold After Print", "Sample Print"})
        matrix.addCell(std::make_unique<NSButtonCell>(title));
    ActionLog log;
    matrix.setAction(log.recorder());
    matrix.selectCellAtRow(1, 0);
    EXPECT_EQ(matrix.userSelectCellAtRow(3), UserResult::outOfRange);
    EXPECT_EQ(matrix.userSelectCellAtRow(-1), UserResult::outOfRange);
    matrix.selectCellAtRow(1, 1);  // the matrix has one column
    matrix.setEnabled(false);
    EXPECT_EQ(matrix.userSelectCellAtRow(2), UserResult::disabled);
    EXPECT_EQ(matrix.selectedRow(), 1);
    EXPECT_TRUE(log.senders.empty());
}

TEST(PopUp, ASeparatorOrAMissingItemIsRefused) {
    NSPopUpButton popUp;
    addItems(popUp, {"Quick File", "Main Folder"});
    popUp.menu().addItem(NSMenuItem::separatorItem());
    ActionLog log;
    popUp.setAction(log.recorder());
    popUp.selectItemAtIndex(1);
    EXPECT_EQ(popUp.userSelectItemAtIndex(2), UserResult::notSelectable);
    EXPECT_EQ(popUp.userSelectItemAtIndex(3), UserResult::outOfRange);
    EXPECT_EQ(popUp.indexOfSelectedItem(), 1);
    EXPECT_TRUE(log.senders.empty());
}

TEST(PopUp, SelectionFollowsItsItemWhenTheMenuChanges) {
    NSPopUpButton popUp;
    addItems(popUp, {"Quick File", "Main Folder", "A", "B", "C"});
    popUp.selectItemAtIndex(3);  // "B"
    popUp.menu().removeItemAtIndex(2);
    EXPECT_EQ(popUp.selectedItem()->title(), "B");
    popUp.menu().removeItemAtIndex(2);  // the selected item itself
    EXPECT_EQ(popUp.indexOfSelectedItem(), 0);
    popUp.menu().removeAllItems();
    EXPECT_EQ(popUp.indexOfSelectedItem(), -1);
    EXPECT_EQ(popUp.selectedItem(), nullptr);
}
