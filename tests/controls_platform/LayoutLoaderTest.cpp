// Loading a layout file: the view it builds and what it connects.
#include <gtest/gtest.h>

#include "platform/controls/LayoutLoader.h"
#include "platform/controls/NSBox.h"
#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/NSTabView.h"
#include "platform/controls/NSTextField.h"
#include "tests/controls_platform/RecordingOwner.h"
#include "tests/support/TempDir.h"

using platform::loadLayoutFile;
using platform::UserResult;

namespace {

const char* const kFixture = R"({
  "tabView": {
    "name": "tabView", "action": "tabProc:",
    "tabs": [
      { "label": "First", "controls": [
          { "name": "retentionCheckBox", "kind": "checkBox", "title": "Job Retention", "state": 1,
            "action": "retentionCBoxProc:", "row": 2, "column": 4 },
          { "name": "suspendMatrix", "kind": "radioMatrix", "action": "suspendKeyMatrixProc:",
            "cells": [ { "name": "holdOnlyRadioButton", "title": "Hold Only" }, { "title": "Unnamed" } ],
            "selected": 1 },
          { "name": "mysteryDial", "kind": "dial", "action": "dialProc:" }
      ] },
      { "label": "Second", "controls": [
          { "name": "folderSelectionPopup", "kind": "popUpButton",
            "items": [ "Quick File", { "title": "Main Folder" }, { "separator": true } ], "selected": 1 },
          { "name": "suspendKeyStaticText", "kind": "label", "text": "Pass Code:" },
          { "name": "suspendKeyEditText", "kind": "editField", "tag": 4, "action": "unknownProc:" }
      ] }
    ]
  },
  "controls": [
    { "name": "filingBox", "kind": "box", "title": "Document Filing", "enabled": false },
    { "name": "chasingArrow", "kind": "progressIndicator", "hidden": true },
    { "kind": "pushButton", "title": "Nameless" }
  ]
})";

std::shared_ptr<NSView> loadText(const TempDir& dir, const std::string& text, RecordingOwner& owner) {
    return loadLayoutFile(dir.write("layout.json", text).string(), owner);
}

}  // namespace

TEST(LayoutLoader, BuildsControlsWithTheirStatesTextsAndTabsAndConnectsThemAndTheirActions) {
    TempDir dir;
    RecordingOwner owner({"retentionCBoxProc:", "suspendKeyMatrixProc:", "tabProc:"});
    const auto view = loadText(dir, kFixture, owner);
    ASSERT_TRUE(view);

    auto* check = view->objectNamed<NSButton>("retentionCheckBox");
    ASSERT_TRUE(check);
    EXPECT_EQ(check->buttonType(), NSButtonType::checkBox);
    EXPECT_EQ(check->title(), "Job Retention");
    EXPECT_EQ(check->state(), 1);
    EXPECT_EQ(check->layoutRow(), 2);
    EXPECT_EQ(check->layoutColumn(), 4);

    auto* matrix = view->objectNamed<NSMatrix>("suspendMatrix");
    ASSERT_TRUE(matrix);
    EXPECT_EQ(matrix->numberOfRows(), 2);
    EXPECT_EQ(matrix->selectedRow(), 1);
    EXPECT_EQ(view->objectNamed("holdOnlyRadioButton"), matrix->cellAtRow(0, 0));
    EXPECT_EQ(matrix->rowOfCell(matrix->cellAtRow(1, 0)), 1);
    EXPECT_EQ(matrix->rowOfCell(nullptr), -1);

    auto* popUp = view->objectNamed<NSPopUpButton>("folderSelectionPopup");
    ASSERT_TRUE(popUp);
    EXPECT_EQ(popUp->numberOfItems(), 3);
    EXPECT_EQ(popUp->itemAtIndex(1)->title(), "Main Folder");
    EXPECT_TRUE(popUp->itemAtIndex(2)->isSeparatorItem());
    EXPECT_EQ(popUp->indexOfSelectedItem(), 1);

    auto* label = view->objectNamed<NSTextField>("suspendKeyStaticText");
    auto* field = view->objectNamed<NSTextField>("suspendKeyEditText");
    ASSERT_TRUE(label && field);
    EXPECT_TRUE(label->isLabel());
    EXPECT_EQ(label->stringValue(), "Pass Code:");
    EXPECT_FALSE(label->isEditable());
    EXPECT_FALSE(label->isSelectable());
    EXPECT_EQ(field->tag(), 4);
    EXPECT_TRUE(field->isEditable());
    EXPECT_EQ(&field->window(), &view->window());

    EXPECT_FALSE(view->objectNamed<NSBox>("filingBox")->isEnabled());
    EXPECT_TRUE(view->objectNamed<NSProgressIndicator>("chasingArrow")->isHidden());
    EXPECT_EQ(view->objectNamed("mysteryDial"), nullptr);  // unknown kind: skipped

    NSTabView* tabs = view->tabView();
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->numberOfTabViewItems(), 2);
    EXPECT_EQ(tabs->tabViewItemAtIndex(1)->label(), "Second");
    EXPECT_EQ(tabs->indexOfSelectedTabViewItem(), 0);
    EXPECT_EQ(view->controlsOnTab(0), (std::vector<NSControl*>{check, matrix}));
    EXPECT_EQ(view->controlsOnTab(1), (std::vector<NSControl*>{popUp, label, field}));
    EXPECT_EQ(view->controlsOnTab(NSView::kNoTab).size(), 4u);  // tab view, box, indicator, nameless button
    EXPECT_EQ(view->tabOf(field), 1);

    EXPECT_EQ(owner.connectionOrder,
              (std::vector<std::string>{"tabView", "retentionCheckBox", "suspendMatrix", "holdOnlyRadioButton",
                                        "folderSelectionPopup", "suspendKeyStaticText", "suspendKeyEditText",
                                        "filingBox", "chasingArrow"}));
    EXPECT_EQ(owner.outlets.at("retentionCheckBox"), check);
    EXPECT_EQ(owner.outlets.at("holdOnlyRadioButton"), matrix->cellAtRow(0, 0));
    EXPECT_EQ(std::set<std::string>(owner.requestedHandlers.begin(), owner.requestedHandlers.end()),
              (std::set<std::string>{"tabProc:", "retentionCBoxProc:", "suspendKeyMatrixProc:", "unknownProc:"}));

    EXPECT_EQ(check->performClick(), UserResult::done);
    matrix->userSelectCellAtRow(0);
    field->userTypeText("1");  // its handler is unknown
    ASSERT_EQ(owner.calls.size(), 2u);
    EXPECT_EQ(owner.calls[0], (std::pair<std::string, NSControl*>{"retentionCBoxProc:", check}));
    EXPECT_EQ(owner.calls[1].first, "suspendKeyMatrixProc:");
    EXPECT_FALSE(field->action());
}

TEST(LayoutLoader, MissingFieldsTakeDefaults) {
    TempDir dir;
    RecordingOwner owner;
    const auto view = loadText(dir, R"({ "controls": [
        { "name": "a", "kind": "editField" }, { "name": "b", "kind": "radioMatrix" },
        { "name": "c", "kind": "lockButton" }, { "name": "d", "kind": "popUpButton" } ] })",
                               owner);
    ASSERT_TRUE(view);
    auto* field = view->objectNamed<NSTextField>("a");
    EXPECT_EQ(field->tag(), 1);
    EXPECT_TRUE(field->isEditable());
    EXPECT_TRUE(field->isEnabled());
    EXPECT_FALSE(field->isHidden());
    EXPECT_EQ(field->stringValue(), "");
    EXPECT_EQ(view->objectNamed<NSMatrix>("b")->selectedRow(), -1);
    EXPECT_EQ(view->objectNamed<NSButton>("c")->state(), 0);
    EXPECT_EQ(view->objectNamed<NSPopUpButton>("d")->indexOfSelectedItem(), -1);
    EXPECT_EQ(view->tabView(), nullptr);
}

TEST(LayoutLoader, MissingOrMalformedFileGivesNoViewAndConnectsNothing) {
    TempDir dir;
    const std::vector<std::string> malformed{
        "",
        "{ \"controls\": [ ",
        "[]",
        R"({ "controls": { "name": "a" } })",
        R"({ "controls": [ 5 ] })",
        R"({ "controls": [ { "name": "a", "kind": "checkBox", "state": "on" } ] })",
        R"({ "controls": [ { "name": "a", "kind": "checkBox", "enabled": 1 } ] })",
        R"({ "controls": [ { "name": "a", "kind": "checkBox", "tag": 1.5 } ] })",
        R"({ "controls": [ { "name": "a", "kind": "checkBox", "tag": 99999999999 } ] })",
        R"({ "controls": [ { "name": "a", "kind": 3 } ] })",
        R"({ "controls": [ { "name": "a", "kind": "radioMatrix", "cells": [ "x" ] } ] })",
        R"({ "controls": [ { "name": "a", "kind": "popUpButton", "items": [ 7 ] } ] })",
        R"({ "tabView": { "tabs": [ { "label": 1 } ] } })",
        R"({ "controls": [ { "name": "a", "kind": "box" }, { "name": "a", "kind": "label" } ] })",
        R"({ "controls": [ { "name": "m", "kind": "radioMatrix", "cells": [ { "name": "m" } ] } ] })",
    };
    for (const std::string& text : malformed) {
        RecordingOwner owner({"p:"});
        EXPECT_EQ(loadText(dir, text, owner), nullptr) << text;
        EXPECT_TRUE(owner.connectionOrder.empty()) << text;
        EXPECT_TRUE(owner.requestedHandlers.empty()) << text;
    }
    RecordingOwner owner;
    EXPECT_EQ(loadLayoutFile((dir.path() / "no-such-layout.json").string(), owner), nullptr);
    EXPECT_TRUE(owner.connectionOrder.empty());
}

TEST(LayoutLoader, PanelLayoutConnectsEveryControlOfThePanelAndStartsInItsDefaultStates) {
    // The field names of every control and cell of the panel, by platform class.
    const std::map<std::string, std::vector<std::string>> expected{
        {"NSTabView", {"tabView"}},
        {"NSBox", {"suspendBox", "filingBox", "jobIDBox"}},
        {"NSMatrix", {"suspendMatrix", "folderSelectionMatrix", "authenticationMatrix", "userNumberMatrix"}},
        {"NSButtonCell",
         {"holdOnlyRadioButton", "holdAfterRadioButton", "samplePrintRadioButton", "quickFileRadioButton",
          "mainFolderRadioButton", "customFolderRadioButton", "authenticationRadioButton", "userNumberRadioButton"}},
        {"NSPopUpButton", {"folderSelectionPopup"}},
        {"NSProgressIndicator", {"chasingArrow"}},
        {"NSButton",
         {"retentionCheckBox", "suspendKeyButton", "folderPasswordButton", "folderNameButton", "loginNameButton",
          "passwordButton", "userNumberButton", "accountNumberButton", "userNameButton", "jobNameButton",
          "getFolderNameButton"}},
        {"NSTextField",
         {"suspendKeyStaticText", "suspendKeyEditText", "folderSelectionStaticText", "folderPasswordStaticText",
          "folderPasswordEditText", "folderNameEditText", "loginNameStaticText", "loginNameEditText",
          "passwordStaticText", "passwordEditText", "userNumberEditText", "accountNumberStaticText",
          "accountNumberEditText", "userNameStaticText", "userNameEditText", "jobNameStaticText", "jobNameEditText",
          "printersAddressStaticText", "printersAddressEditText"}},
    };
    const std::set<std::string> handlers{
        "retentionCBoxProc:", "suspendKeyMatrixProc:", "suspendKeyETextProc:", "suspendKeyButtonProc:",
        "folderSelectionPopUpButtonProc:", "folderPasswordETextProc:", "folderPasswordButtonProc:",
        "folderNameButtonProc:", "folderSelectionMatrixProc:", "authenticationMatrixProc:", "loginNameETextProc:",
        "loginNameButtonProc:", "passwordETextProc:", "passwordButtonProc:", "userNumberETextProc:",
        "userNumberButtonProc:", "userNameETextProc:", "userNameButtonProc:", "jobNameETextProc:",
        "jobNameButtonProc:", "accountNumberETextProc:", "accountNumberButtonProc:", "getFolderNameButtonProc:",
        "tabProc:", "printersAddressButtonProc:"};

    RecordingOwner owner(handlers);
    const auto view = loadLayoutFile(std::string(NELVO_SOURCE_DIR) + "/resources/JobControl5.json", owner);
    ASSERT_TRUE(view);
    size_t names = 0;
    for (const auto& [className, fieldNames] : expected)
        for (const std::string& name : fieldNames) {
            ++names;
            ASSERT_TRUE(owner.outlets.count(name)) << name;
            EXPECT_STREQ(owner.outlets.at(name)->className(), className.c_str()) << name;
        }
    EXPECT_EQ(owner.connectionOrder.size(), names);
    EXPECT_EQ(std::set<std::string>(owner.requestedHandlers.begin(), owner.requestedHandlers.end()), handlers);

    for (const auto& [name, object] : owner.outlets) {
        if (auto* field = dynamic_cast<NSTextField*>(object)) {
            const bool isEditField = name.ends_with("EditText");
            EXPECT_EQ(field->isLabel(), !isEditField) << name;
            EXPECT_EQ(field->isEditable(), isEditField) << name;
            if (!isEditField) {
                EXPECT_TRUE(field->stringValue().ends_with(":")) << name;
            }
        }
        if (auto* button = dynamic_cast<NSButton*>(object);
            button && name.ends_with("Button") && name != "getFolderNameButton") {
            EXPECT_EQ(button->buttonType(), NSButtonType::lockButton) << name;
            EXPECT_EQ(button->state(), 0) << name;
        }
    }

    EXPECT_EQ(view->objectNamed<NSButton>("retentionCheckBox")->state(), 0);
    EXPECT_EQ(view->objectNamed<NSMatrix>("suspendMatrix")->selectedRow(), 0);
    EXPECT_EQ(view->objectNamed<NSMatrix>("folderSelectionMatrix")->selectedRow(), 1);
    EXPECT_EQ(view->objectNamed<NSMatrix>("authenticationMatrix")->selectedRow(), 0);
    auto* popUp = view->objectNamed<NSPopUpButton>("folderSelectionPopup");
    EXPECT_EQ(popUp->numberOfItems(), 2);
    EXPECT_EQ(popUp->indexOfSelectedItem(), 1);
    EXPECT_TRUE(view->objectNamed<NSProgressIndicator>("chasingArrow")->isHidden());

    // Three tabs short enough for the terminal, and no tag given twice.
    NSTabView* tabs = view->tabView();
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->numberOfTabViewItems(), 3);
    std::set<int> tags;
    for (int tab = 0; tab < tabs->numberOfTabViewItems(); ++tab) {
        int lastRow = 0;
        for (NSControl* control : view->controlsOnTab(tab)) {
            const auto* matrix = dynamic_cast<NSMatrix*>(control);
            lastRow = std::max(lastRow, control->layoutRow() + (matrix ? matrix->numberOfRows() - 1 : 0));
            if (dynamic_cast<NSTextField*>(control) && control->tag() != 0) {
                EXPECT_TRUE(tags.insert(control->tag()).second) << control->fieldName();
            }
        }
        EXPECT_LE(lastRow, 17) << tabs->tabViewItemAtIndex(tab)->label();
    }
}
