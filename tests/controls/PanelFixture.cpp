#include "tests/controls/PanelFixture.h"

#include "tests/support/TestPanel.h"

namespace fs = std::filesystem;
using Panel = NelvoPrintPdeZlm420kJC;

void PanelTest::SetUp() {
    panel = makePanel(host);
    view = panel->panelView();
    ASSERT_TRUE(view) << "the built bundle's layout did not load";
}

bool PanelTest::dimmed(const Outlet<NSTextField>& field) {
    const bool gray = field->textColor() == NSColor::grayColor;
    return field->isLabel() ? gray : gray && !field->isEditable() && !field->isSelectable();
}

bool PanelTest::usable(const Outlet<NSTextField>& field) {
    const bool black = field->textColor() == NSColor::blackColor;
    return field->isLabel() ? black : black && field->isEditable() && field->isSelectable();
}

namespace {
void expectDone(platform::UserResult result, const NSObject& control) {
    EXPECT_EQ(result, platform::UserResult::done) << control.fieldName();
}
}  // namespace

void PanelTest::click(const Outlet<NSButton>& button) {
    expectDone(button->performClick(), *button);
}
void PanelTest::choose(const Outlet<NSMatrix>& matrix, int row) {
    expectDone(matrix->userSelectCellAtRow(row), *matrix);
}
void PanelTest::choose(const Outlet<NSPopUpButton>& popUp, int index) {
    expectDone(popUp->userSelectItemAtIndex(index), *popUp);
}
void PanelTest::type(const Outlet<NSTextField>& field, const std::string& text) {
    expectDone(field->userTypeText(text), *field);
}

void PanelTest::listThreeFolders() {
    panel->deviceFolders.folderList =
        FolderList{{"Public", false, true, false}, {"Sales", true, true, false}, {"Archive", false, false, false}};
    panel->makeFolderPopup();
}

// The handlers that do something; the edit fields' and the address button's do nothing.
void runEveryHandlerAndRule(Panel& panel) {
    for (void (Panel::*handler)(NSControl*) :
         {&Panel::retentionCBoxProc, &Panel::suspendKeyMatrixProc, &Panel::suspendKeyButtonProc,
          &Panel::folderSelectionPopUpButtonProc, &Panel::folderPasswordButtonProc, &Panel::folderNameButtonProc,
          &Panel::folderSelectionMatrixProc, &Panel::authenticationMatrixProc, &Panel::loginNameButtonProc,
          &Panel::passwordButtonProc, &Panel::userNumberButtonProc, &Panel::userNameButtonProc,
          &Panel::jobNameButtonProc, &Panel::accountNumberButtonProc})
        (panel.*handler)(nullptr);
    for (void (Panel::*rule)() : {&Panel::suspendMatrixEnabled,
                                  &Panel::suspendKeyStaticTextEnabled,
                                  &Panel::suspendKeyEditTextEnabled,
                                  &Panel::suspendKeyButtonEnabled,
                                  &Panel::folderSelectionStaticTextEnabled,
                                  &Panel::folderSelectionPopupEnabled,
                                  &Panel::folderPasswordStaticTextEnabled,
                                  &Panel::folderPasswordEditTextEnabled,
                                  &Panel::folderPasswordButtonEnabled,
                                  &Panel::folderSelectionMatrixEnabled,
                                  &Panel::folderNameEditTextEnabled,
                                  &Panel::folderNameButtonEnabled,
                                  &Panel::loginNameStaticTextEnabled,
                                  &Panel::loginNameEditTextEnabled,
                                  &Panel::loginNameButtonEnabled,
                                  &Panel::passwordStaticTextEnabled,
                                  &Panel::passwordEditTextEnabled,
                                  &Panel::passwordButtonEnabled,
                                  &Panel::userNumberEditTextEnabled,
                                  &Panel::userNumberButtonEnabled,
                                  &Panel::userNameEditTextEnabled,
                                  &Panel::jobNameEditTextEnabled,
                                  &Panel::accountNumberEditTextEnabled,
                                  &Panel::accountNumberButtonEnabled})
        (panel.*rule)();
}

FixtureBundle::FixtureBundle(const std::optional<std::string>& layout) {
    const fs::path built = NELVO_BUNDLE_DIR;
    dir_.write("Contents/Info.json", readFile(built / "Contents" / "Info.json"));
    for (const char* image : {"lock.png", "ulck.png", "space.png"})
        dir_.write(std::string("Contents/Resources/") + image, readFile(built / "Contents" / "Resources" / image));
    if (layout) dir_.write("Contents/Resources/JobControl5.json", *layout);
}

std::shared_ptr<Panel> FixtureBundle::panelFor(std::shared_ptr<FakeHost> host) const {
    auto panel = Panel::initWithCallback(std::move(host), NSBundle::bundleWithPath(dir_.path()));
    panel->panelView();
    return panel;
}
