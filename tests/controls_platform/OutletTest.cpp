// An absent outlet reads as empty and ignores every change, however often it
// is written to.
#include <gtest/gtest.h>

#include "platform/controls/NSBox.h"
#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSNumberFormatter.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/NSTabView.h"
#include "platform/controls/NSTextField.h"
#include "platform/controls/Outlet.h"
#include "tests/controls_platform/ActionLog.h"

using platform::UserResult;

TEST(AbsentOutlet, ButtonReadsOffAndStaysOff) {
    Outlet<NSButton> button;
    EXPECT_FALSE(button);
    ActionLog log;
    button->setAction(log.recorder());
    button->setState(1);
    button->setTitle("Job Retention");
    button->setEnabled(true);
    button->setTag(9);
    button->setImage(std::make_shared<NSImage>("lock.png", NSSize{18, 18}));
    button->setFieldName("retentionCheckBox");
    EXPECT_EQ(button->performClick(), UserResult::absent);

    EXPECT_EQ(button->state(), 0);
    EXPECT_EQ(button->title(), "");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->tag(), 0);
    EXPECT_EQ(button->image(), nullptr);
    EXPECT_EQ(button->fieldName(), "");
    EXPECT_TRUE(log.senders.empty());
    EXPECT_EQ(button.get(), nullptr);
}

TEST(AbsentOutlet, MatrixReadsRowZeroWithoutCells) {
    Outlet<NSMatrix> matrix;
    matrix->addCell(std::make_unique<NSButtonCell>("Hold Only"));
    matrix->selectCellAtRow(-1, 0);
    matrix->selectCellAtRow(0, 0);
    EXPECT_EQ(matrix->userSelectCellAtRow(0), UserResult::absent);
    EXPECT_EQ(matrix->selectedRow(), 0);
    EXPECT_EQ(matrix->numberOfRows(), 0);
    EXPECT_EQ(matrix->selectedCell(), nullptr);
    EXPECT_EQ(matrix->cellAtRow(0, 0), nullptr);

    Outlet<NSButtonCell> cell;
    cell->setState(1);
    cell->setTitle("Hold Only");
    EXPECT_EQ(cell->state(), 0);
    EXPECT_EQ(cell->title(), "");
}

TEST(AbsentOutlet, PopUpReadsIndexZeroAndItsMenuKeepsNoItem) {
    Outlet<NSPopUpButton> popUp;
    popUp->menu().addItem(std::make_unique<NSMenuItem>("Quick File"));
    popUp->menu().addItem(NSMenuItem::separatorItem());
    popUp->selectItemAtIndex(-1);
    popUp->menu().removeItemAtIndex(0);
    popUp->menu().removeAllItems();
    EXPECT_EQ(popUp->userSelectItemAtIndex(0), UserResult::absent);
    EXPECT_EQ(popUp->indexOfSelectedItem(), 0);
    EXPECT_EQ(popUp->selectedItem(), nullptr);
    EXPECT_EQ(popUp->numberOfItems(), 0);
    EXPECT_EQ(popUp->itemAtIndex(0), nullptr);
}

TEST(AbsentOutlet, FieldReadsEmptyAndDropsItsFilter) {
    Outlet<NSTextField> field;
    field->setStringValue("12345");
    field->setEditable(true);
    field->setSelectable(true);
    field->setTextColor(NSColor::grayColor);
    field->cell().setFormatter(std::make_unique<NSNumberFormatter>());
    EXPECT_FALSE(field->window().makeFirstResponder(field.operator->()));
    EXPECT_EQ(field->userTypeText("1"), UserResult::absent);
    EXPECT_EQ(field->userEraseAll(), UserResult::absent);

    EXPECT_EQ(field->stringValue(), "");
    EXPECT_FALSE(field->isEditable());
    EXPECT_FALSE(field->isSelectable());
    EXPECT_EQ(field->textColor(), NSColor::blackColor);
    EXPECT_EQ(field->formatter(), nullptr);
    EXPECT_EQ(field->cell().formatter(), nullptr);
    EXPECT_EQ(field->window().firstResponder(), nullptr);
    EXPECT_EQ(field->tag(), 0);
}

TEST(AbsentOutlet, BoxTabViewAndIndicatorIgnoreChanges) {
    Outlet<NSBox> box;
    box->setTitle("Retention");
    EXPECT_EQ(box->title(), "");

    Outlet<NSTabView> tabs;
    EXPECT_EQ(tabs->addTabViewItem(std::make_unique<NSTabViewItem>("Retention")), nullptr);
    tabs->selectFirstTabViewItem();
    EXPECT_EQ(tabs->numberOfTabViewItems(), 0);
    EXPECT_EQ(tabs->tabViewItemAtIndex(0), nullptr);
    EXPECT_EQ(tabs->selectedTabViewItem(), nullptr);

    Outlet<NSProgressIndicator> arrow;
    arrow->startAnimation();
    arrow->setHidden(true);
    EXPECT_FALSE(arrow->isAnimating());
    EXPECT_FALSE(arrow->isHidden());
}

TEST(Outlet, ConnectsOnlyAnObjectOfItsKind) {
    NSButton button(NSButtonType::checkBox);
    NSTextField field;
    Outlet<NSButton> outlet;
    EXPECT_FALSE(outlet.connect(&field));
    EXPECT_FALSE(outlet);
    EXPECT_TRUE(outlet.connect(&button));
    ASSERT_TRUE(outlet);
    outlet->setState(1);
    EXPECT_EQ(button.state(), 1);
    EXPECT_EQ(&*outlet, &button);

    Outlet<NSControl> anyControl;
    EXPECT_TRUE(anyControl.connect(&field));
    outlet.reset();
    EXPECT_FALSE(outlet);
    EXPECT_EQ(outlet->state(), 0);
}
