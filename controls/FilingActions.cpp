// The handlers of retention and filing. Quick file goes only with the hold
// mode "hold after print", so a change on either side moves the other; and
// switching retention off resets the choices that only retention uses.
#include "controls/PanelConditions.h"
#include "controls/TextFields.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

using namespace controls;

namespace {

// Moves whichever folder control shows quick file to the main folder, and
// runs its handler: setting a control sends no action.
void leaveQuickFile(NelvoPrintPdeZlm420kJC& panel) {
    if (panel.outlets.folderSelectionPopup &&
        panel.outlets.folderSelectionPopup->indexOfSelectedItem() == positions::kQuickFileItem) {
        panel.outlets.folderSelectionPopup->selectItemAtIndex(positions::kMainFolderItem);
        panel.folderSelectionPopUpButtonProc(panel.outlets.folderSelectionPopup.get());
    }
    if (panel.outlets.folderSelectionMatrix &&
        panel.outlets.folderSelectionMatrix->selectedRow() == positions::kQuickFileRow) {
        panel.outlets.folderSelectionMatrix->selectCellAtRow(positions::kMainFolderRow, 0);
        panel.folderSelectionMatrixProc(panel.outlets.folderSelectionMatrix.get());
    }
}

// Quick file was chosen: the hold mode follows, and a pass code does not apply.
void holdForQuickFile(NelvoPrintPdeZlm420kJC& panel) {
    if (panel.outlets.suspendMatrix->selectedRow() != positions::kHoldAfterPrintRow)
        panel.outlets.suspendMatrix->selectCellAtRow(positions::kHoldAfterPrintRow, 0);
    clearUnlessLocked(panel.outlets.suspendKeyEditText, panel.outlets.suspendKeyButton);
}

// The rules of both pass codes, which a change of the filing target affects.
void passCodeRules(NelvoPrintPdeZlm420kJC& panel) {
    panel.suspendKeyStaticTextEnabled();
    panel.suspendKeyEditTextEnabled();
    panel.suspendKeyButtonEnabled();
    panel.folderPasswordStaticTextEnabled();
    panel.folderPasswordEditTextEnabled();
    panel.folderPasswordButtonEnabled();
}

}  // namespace

void NelvoPrintPdeZlm420kJC::retentionCBoxProc(NSControl* /*sender*/) {
    if (!outlets.retentionCheckBox) return;
    if (outlets.retentionCheckBox->state() != 1) {
        outlets.suspendMatrix->selectCellAtRow(positions::kHoldOnlyRow, 0);
        clearUnlessLocked(outlets.suspendKeyEditText, outlets.suspendKeyButton);
        leaveQuickFile(*this);
        clearUnlessLocked(outlets.folderPasswordEditText, outlets.folderPasswordButton);
        clearUnlessLocked(outlets.folderNameEditText, outlets.folderNameButton);
    }
    suspendMatrixEnabled();
    suspendKeyStaticTextEnabled();
    suspendKeyEditTextEnabled();
    suspendKeyButtonEnabled();
    folderSelectionStaticTextEnabled();
    folderSelectionPopupEnabled();
    folderPasswordStaticTextEnabled();
    folderPasswordEditTextEnabled();
    folderPasswordButtonEnabled();
    folderSelectionMatrixEnabled();
    folderNameEditTextEnabled();
    folderNameButtonEnabled();
}

void NelvoPrintPdeZlm420kJC::suspendKeyMatrixProc(NSControl* /*sender*/) {
    if (!outlets.suspendMatrix) return;
    if (outlets.suspendMatrix->selectedRow() == positions::kHoldAfterPrintRow) return;
    // The rules that the change affects run inside the folder handlers.
    leaveQuickFile(*this);
}

void NelvoPrintPdeZlm420kJC::folderSelectionPopUpButtonProc(NSControl* /*sender*/) {
    if (!outlets.folderSelectionPopup) return;
    if (outlets.folderSelectionPopup->indexOfSelectedItem() == positions::kQuickFileItem) holdForQuickFile(*this);
    // The folder pass code and name stay: only the matrix and retention clear them.
    passCodeRules(*this);
    folderNameButtonEnabled();
}

void NelvoPrintPdeZlm420kJC::folderSelectionMatrixProc(NSControl* /*sender*/) {
    // Sent by the matrix; the other handlers test for it before they run this.
    if (!outlets.folderSelectionMatrix) return;
    const int row = outlets.folderSelectionMatrix->selectedRow();
    if (row == positions::kQuickFileRow) holdForQuickFile(*this);
    if (row == positions::kQuickFileRow || row == positions::kMainFolderRow) {
        clearUnlessLocked(outlets.folderPasswordEditText, outlets.folderPasswordButton);
        clearUnlessLocked(outlets.folderNameEditText, outlets.folderNameButton);
    }
    passCodeRules(*this);
    folderNameEditTextEnabled();
    folderNameButtonEnabled();
}
