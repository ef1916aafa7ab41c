// Loading a layout file: the view it builds and what it connects.
#include <gtest/gtest.h>

#include <set>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/LayoutLoader.h"
#include "platform/controls/TextFields.h"
#include "tests/support/TempDir.h"

using platform::loadLayoutFile;
using platform::UserResult;

namespace {

// Records what the loader connects; each known handler name gets an action
// that records its calls.
class RecordingOwner : public platform::LayoutOwner {
public:
    explicit RecordingOwner(std::set<std::string> knownHandlers = {}) : knownHandlers_(std::move(knownHandlers)) {}

    void connectOutlet(const std::string& fieldName, NSObject*) override { connectionOrder.push_back(fieldName); }

    NSControl::Action actionForHandler(const std::string& handlerName) override {
        requestedHandlers.push_back(handlerName);
        if (!knownHandlers_.count(handlerName)) return {};
        return [this, handlerName](NSControl* sender) { calls.emplace_back(handlerName, sender); };
    }

    std::vector<std::string> connectionOrder;
    std::vector<std::string> requestedHandlers;
    std::vector<std::pair<std::string, NSControl*>> calls;

private:
    std::set<std::string> knownHandlers_;
};

// What the panel's own layout does not hold: a control of an unknown kind, a
// handler nobody knows, a cell without a name and a control without one.
const char* const kFixture = R"({
  "tabView": { "name": "tabView", "action": "tabProc:", "tabs": [
      { "label": "First", "controls": [
          { "name": "retentionCheckBox", "kind": "checkBox", "action": "retentionCBoxProc:" },
          { "name": "suspendMatrix", "kind": "radioMatrix", "action": "suspendKeyMatrixProc:",
            "cells": [ { "name": "holdOnlyRadioButton", "title": "Hold Only" }, { "title": "Unnamed" } ] },
          { "name": "mysteryDial", "kind": "dial", "action": "dialProc:" } ] },
      { "label": "Second", "controls": [
          { "name": "suspendKeyEditText", "kind": "editField", "tag": 4, "action": "unknownProc:" } ] } ] },
  "controls": [ { "kind": "pushButton", "title": "Nameless" } ]
})";

std::shared_ptr<NSView> loadText(const TempDir& dir, const std::string& text, RecordingOwner& owner) {
    return loadLayoutFile(dir.write("layout.json", text).string(), owner);
}

}  // namespace

TEST(LayoutLoader, BuildsControlsOnTheirTabsAndConnectsThemAndTheirActions) {
    TempDir dir;
    RecordingOwner owner({"retentionCBoxProc:", "suspendKeyMatrixProc:", "tabProc:"});
    const auto view = loadText(dir, kFixture, owner);
    ASSERT_TRUE(view);
    auto* check = view->objectNamed<NSButton>("retentionCheckBox");
    auto* matrix = view->objectNamed<NSMatrix>("suspendMatrix");
    auto* field = view->objectNamed<NSTextField>("suspendKeyEditText");
    ASSERT_TRUE(check && matrix && field);
    EXPECT_EQ(view->objectNamed("mysteryDial"), nullptr);  // unknown kind: skipped
    EXPECT_EQ(view->controlsOnTab(0), (std::vector<NSControl*>{check, matrix}));
    EXPECT_EQ(view->controlsOnTab(1), (std::vector<NSControl*>{field}));
    EXPECT_EQ(owner.connectionOrder, (std::vector<std::string>{"tabView", "retentionCheckBox", "suspendMatrix",
                                                               "holdOnlyRadioButton", "suspendKeyEditText"}));

    EXPECT_EQ(check->performClick(), UserResult::done);
    matrix->userSelectCellAtRow(0);
    field->userTypeText("1");  // its handler is unknown
    using Call = std::pair<std::string, NSControl*>;
    EXPECT_EQ(owner.calls, (std::vector<Call>{{"retentionCBoxProc:", check}, {"suspendKeyMatrixProc:", matrix}}));
}

TEST(LayoutLoader, MissingOrMalformedFileGivesNoViewConnectsNothingAndSaysWhy) {
    TempDir dir;
    const std::vector<std::string> malformed{
        "{ \"controls\": [ ",
        "[]",
        R"({ "controls": [ { "name": "a", "kind": "checkBox", "tag": 99999999999 } ] })",
        R"({ "controls": [ { "name": "a", "kind": "box" }, { "name": "a", "kind": "label" } ] })",
        R"({ "controls": [ { "name": "a", "kind": "checkBox", "state": "on" } ] })",
    };
    for (const std::string& text : malformed) {
        RecordingOwner owner({"p:"});
        testing::internal::CaptureStderr();
        EXPECT_EQ(loadText(dir, text, owner), nullptr) << text;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("layout.json could not be loaded: "), std::string::npos) << said;
        EXPECT_TRUE(owner.connectionOrder.empty() && owner.requestedHandlers.empty()) << text;
        if (text.find("\"on\"") != std::string::npos) {
            EXPECT_NE(said.find("state"), std::string::npos) << said;
        }
    }
    RecordingOwner owner;
    EXPECT_EQ(loadLayoutFile((dir.path() / "no-such-layout.json").string(), owner), nullptr);
    std::filesystem::create_directory(dir.path() / "folder.json");
    EXPECT_EQ(loadLayoutFile((dir.path() / "folder.json").string(), owner), nullptr);
}

TEST(LayoutLoader, ThePanelsLayoutFitsTheTerminalGivesNoTagTwiceAndMarksOnlyTheSecretsSecure) {
    RecordingOwner owner;
    const auto view = loadLayoutFile(std::string(NELVO_SOURCE_DIR) + "/resources/JobControl5.json", owner);
    ASSERT_TRUE(view && view->tabView());
    NSTabView* tabs = view->tabView();
    EXPECT_EQ(tabs->numberOfTabViewItems(), 3);
    std::set<int> tags;
    std::set<std::string> secure;
    for (int tab = 0; tab < tabs->numberOfTabViewItems(); ++tab) {
        int lastRow = 0;
        for (NSControl* control : view->controlsOnTab(tab)) {
            const auto* matrix = dynamic_cast<NSMatrix*>(control);
            lastRow = std::max(lastRow, control->layoutRow() + (matrix ? matrix->numberOfRows() - 1 : 0));
            const bool taggedField = dynamic_cast<NSTextField*>(control) && control->tag() != 0;
            EXPECT_TRUE(!taggedField || tags.insert(control->tag()).second) << control->fieldName();
            if (const auto* field = dynamic_cast<NSTextField*>(control); field && field->isSecure())
                secure.insert(control->fieldName());
        }
        EXPECT_LE(lastRow, 17) << tabs->tabViewItemAtIndex(tab)->label();
    }
    EXPECT_EQ(secure, (std::set<std::string>{"suspendKeyEditText", "folderPasswordEditText", "passwordEditText"}));
}
