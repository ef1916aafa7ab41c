// Only what a user does sends an action; the panel's own setters never do.
#include <gtest/gtest.h>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSTabView.h"
#include "tests/controls_platform/ActionLog.h"

using platform::UserResult;

namespace {

std::unique_ptr<NSMatrix> threeRowMatrix() {
    auto matrix = std::make_unique<NSMatrix>();
    for (const char* title : {"Hold Only", "Hold After Print", "Sample Print"})
        matrix->addCell(std::make_unique<NSButtonCell>(title));
    return matrix;
}

void addItems(NSPopUpButton& popUp, std::initializer_list<const char*> titles) {
    for (const char* title : titles) popUp.menu().addItem(std::make_unique<NSMenuItem>(title));
}

}  // namespace

TEST(Buttons, ClickingTogglesCheckBoxesAndLocksThenSendsTheAction) {
    for (NSButtonType type : {NSButtonType::checkBox, NSButtonType::lockButton, NSButtonType::pushButton}) {
        const bool toggles = type != NSButtonType::pushButton;
        NSButton button(type);
        std::vector<int> statesSeenByAction;
        button.setAction([&](NSControl* sender) { statesSeenByAction.push_back(static_cast<NSButton*>(sender)->state()); });
        EXPECT_EQ(button.performClick(), UserResult::done);
        EXPECT_EQ(button.state(), toggles ? 1 : 0);
        EXPECT_EQ(button.performClick(), UserResult::done);
        EXPECT_EQ(button.state(), 0);
        // The state changes before the action runs.
        EXPECT_EQ(statesSeenByAction, (toggles ? std::vector<int>{1, 0} : std::vector<int>{0, 0}));
    }
}

TEST(Buttons, SettersSendNoActionAndADisabledOrHiddenButtonRefusesTheClick) {
    NSButton button(NSButtonType::lockButton);
    ActionLog log;
    button.setAction(log.recorder());
    button.setState(5);
    EXPECT_EQ(button.state(), 1) << "states are two-valued";
    button.setState(-1);
    EXPECT_EQ(button.state(), 1);
    button.setState(0);
    button.setTitle("Job Retention");
    button.setEnabled(false);
    EXPECT_EQ(button.performClick(), UserResult::disabled);
    button.setEnabled(true);
    button.setHidden(true);
    EXPECT_EQ(button.performClick(), UserResult::hidden);
    EXPECT_EQ(button.state(), 0);
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

TEST(Matrix, UserSelectionSelectsThenSendsAndSetterAndInvalidSelectionsSendNothing) {
    auto matrix = threeRowMatrix();
    ActionLog log;
    int rowSeenByAction = -2;
    matrix->setAction([&](NSControl* sender) {
        log.senders.push_back(sender);
        rowSeenByAction = static_cast<NSMatrix*>(sender)->selectedRow();
    });
    EXPECT_EQ(matrix->selectedRow(), -1);
    EXPECT_EQ(matrix->selectedCell(), nullptr);

    matrix->selectCellAtRow(1, 0);
    EXPECT_TRUE(log.senders.empty());
    EXPECT_EQ(matrix->selectedCell(), matrix->cellAtRow(1, 0));

    EXPECT_EQ(matrix->userSelectCellAtRow(2), UserResult::done);
    EXPECT_EQ(rowSeenByAction, 2);
    EXPECT_EQ(matrix->cellAtRow(1, 0)->state(), 0);
    EXPECT_EQ(matrix->cellAtRow(2, 0)->state(), 1);
    EXPECT_EQ(matrix->userSelectCellAtRow(2), UserResult::done);  // the same row again still sends
    EXPECT_EQ(log.senders.size(), 2u);

    EXPECT_EQ(matrix->userSelectCellAtRow(3), UserResult::outOfRange);
    EXPECT_EQ(matrix->userSelectCellAtRow(-1), UserResult::outOfRange);
    matrix->selectCellAtRow(7, 0);
    matrix->selectCellAtRow(1, 1);  // the matrix has one column
    EXPECT_EQ(matrix->selectedRow(), 2);
    matrix->setEnabled(false);
    EXPECT_EQ(matrix->userSelectCellAtRow(1), UserResult::disabled);
    EXPECT_EQ(matrix->selectedRow(), 2);
    EXPECT_EQ(log.senders.size(), 2u);
    matrix->selectCellAtRow(-1, 0);
    EXPECT_EQ(matrix->selectedRow(), -1);
    EXPECT_EQ(matrix->cellAtRow(0, 1), nullptr);
}

TEST(PopUp, UserChoiceSelectsThenSendsAndSeparatorIsRefused) {
    NSPopUpButton popUp;
    addItems(popUp, {"Quick File", "Main Folder"});
    popUp.menu().addItem(NSMenuItem::separatorItem());
    addItems(popUp, {"Folder A"});
    ActionLog log;
    popUp.setAction(log.recorder());
    EXPECT_EQ(popUp.indexOfSelectedItem(), -1);
    EXPECT_EQ(popUp.selectedItem(), nullptr);

    popUp.selectItemAtIndex(1);
    EXPECT_TRUE(log.senders.empty());
    EXPECT_EQ(popUp.userSelectItemAtIndex(2), UserResult::notSelectable);
    EXPECT_EQ(popUp.userSelectItemAtIndex(4), UserResult::outOfRange);
    EXPECT_EQ(popUp.indexOfSelectedItem(), 1);
    EXPECT_TRUE(log.senders.empty());

    EXPECT_EQ(popUp.userSelectItemAtIndex(3), UserResult::done);
    EXPECT_EQ(popUp.selectedItem()->title(), "Folder A");
    EXPECT_EQ(log.senders, std::vector<NSControl*>{&popUp});
}

TEST(PopUp, SelectionFollowsItsItemWhenTheMenuChanges) {
    NSPopUpButton popUp;
    addItems(popUp, {"Quick File", "Main Folder", "A", "B", "C"});
    popUp.selectItemAtIndex(3);  // "B"
    popUp.menu().removeItemAtIndex(2);
    EXPECT_EQ(popUp.indexOfSelectedItem(), 2);
    EXPECT_EQ(popUp.selectedItem()->title(), "B");
    popUp.menu().removeItemAtIndex(3);  // after the selection
    EXPECT_EQ(popUp.indexOfSelectedItem(), 2);
    popUp.menu().removeItemAtIndex(2);  // the selected item itself
    EXPECT_EQ(popUp.indexOfSelectedItem(), 0);
    popUp.menu().removeItemAtIndex(9);
    EXPECT_EQ(popUp.numberOfItems(), 2);
    popUp.menu().removeAllItems();
    EXPECT_EQ(popUp.indexOfSelectedItem(), -1);
    EXPECT_EQ(popUp.selectedItem(), nullptr);
}

TEST(TabView, FirstTabIsSelectedAndUserSwitchSendsTheAction) {
    NSTabView tabs;
    EXPECT_EQ(tabs.indexOfSelectedTabViewItem(), -1);
    for (const char* label : {"Retention", "Authentication", "Job ID"})
        tabs.addTabViewItem(std::make_unique<NSTabViewItem>(label));
    ActionLog log;
    tabs.setAction(log.recorder());
    EXPECT_EQ(tabs.indexOfSelectedTabViewItem(), 0);
    tabs.selectTabViewItemAtIndex(2);
    EXPECT_TRUE(log.senders.empty());
    tabs.selectFirstTabViewItem();
    EXPECT_EQ(tabs.selectedTabViewItem()->label(), "Retention");
    EXPECT_EQ(tabs.userSelectTabViewItemAtIndex(3), UserResult::outOfRange);
    EXPECT_EQ(tabs.userSelectTabViewItemAtIndex(1), UserResult::done);
    EXPECT_EQ(tabs.indexOfSelectedTabViewItem(), 1);
    EXPECT_EQ(log.senders.size(), 1u);
    EXPECT_EQ(tabs.tabViewItemAtIndex(3), nullptr);
}
