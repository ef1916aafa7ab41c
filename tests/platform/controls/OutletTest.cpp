// An absent outlet reads as empty and ignores every change, however often it
// is written to.
#include <gtest/gtest.h>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSObject.h"
#include "platform/controls/TextFields.h"

using platform::UserResult;

TEST(AbsentOutlet, ButtonRefusesTheClickAndStaysOff) {
    Outlet<NSButton> button;
    int actions = 0;
    button->setAction([&](NSControl*) { ++actions; });
    button->setState(1);
    button->setEnabled(true);
    EXPECT_EQ(button->performClick(), UserResult::absent);
    EXPECT_TRUE(button->state() == 0 && !button->isEnabled() && actions == 0);
}

TEST(AbsentOutlet, ListsReadIndexZeroAndKeepNoItem) {
    Outlet<NSMatrix> matrix;
    matrix->addCell(std::make_unique<NSButtonCell>("Hold Only"));
    matrix->selectCellAtRow(0, 0);
    EXPECT_EQ(matrix->userSelectCellAtRow(0), UserResult::absent);
    EXPECT_TRUE(matrix->selectedRow() == 0 && matrix->selectedCell() == nullptr);

    Outlet<NSPopUpButton> popUp;
    popUp->menu().addItem(std::make_unique<NSMenuItem>("Quick File"));
    popUp->selectItemAtIndex(-1);
    EXPECT_EQ(popUp->userSelectItemAtIndex(0), UserResult::absent);
    EXPECT_TRUE(popUp->indexOfSelectedItem() == 0 && popUp->selectedItem() == nullptr);

    Outlet<NSTabView> tabs;
    EXPECT_EQ(tabs->addTabViewItem(std::make_unique<NSTabViewItem>("Retention")), nullptr);
    EXPECT_EQ(tabs->selectedTabViewItem(), nullptr);
}

TEST(AbsentOutlet, FieldReadsEmptyRefusesTypingAndDropsItsFilter) {
    Outlet<NSTextField> field;
    field->setStringValue("12345");
    field->setEditable(true);
    field->cell().setFormatter(std::make_unique<NSNumberFormatter>());
    EXPECT_FALSE(field->window().makeFirstResponder(field.operator->()));
    EXPECT_EQ(field->userTypeText("1"), UserResult::absent);
    EXPECT_TRUE(field->stringValue().empty() && !field->isEditable() && field->formatter() == nullptr);
}

TEST(Outlet, ConnectsOnlyAnObjectOfItsKind) {
    NSButton button(NSButtonType::checkBox);
    NSTextField field;
    Outlet<NSButton> outlet;
    EXPECT_FALSE(outlet.connect(&field));
    EXPECT_FALSE(outlet);
    EXPECT_TRUE(outlet.connect(&button));
    outlet->setState(1);
    EXPECT_EQ(button.state(), 1);
    outlet.reset();
    EXPECT_EQ(outlet->state(), 0);
}
