// The enabling rules: each sets the enabled flag, or the dimmed state, of one
// control from the choices on the panel, and changes no value.
#include "controls/PanelConditions.h"
#include "controls/TextFields.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

using namespace controls;

// Retention: pass code and hold mode.

void NelvoPrintPdeZlm420kJC::suspendMatrixEnabled() {
    outlets.suspendMatrix->setEnabled(retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::suspendKeyStaticTextEnabled() {
    myZlm420kJCHilite(outlets.suspendKeyStaticText, !retentionOn(*this) || quickFileChosen(*this));
}

void NelvoPrintPdeZlm420kJC::suspendKeyEditTextEnabled() {
    myZlm420kJCHilite(outlets.suspendKeyEditText,
                      !retentionOn(*this) || locked(outlets.suspendKeyButton) || quickFileChosen(*this));
}

void NelvoPrintPdeZlm420kJC::suspendKeyButtonEnabled() {
    outlets.suspendKeyButton->setEnabled(retentionOn(*this) && !quickFileChosen(*this));
}

// Filing: the folder choice, its pass code and the custom folder's name.

void NelvoPrintPdeZlm420kJC::folderSelectionStaticTextEnabled() {
    myZlm420kJCHilite(outlets.folderSelectionStaticText, !retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::folderSelectionPopupEnabled() {
    outlets.folderSelectionPopup->setEnabled(retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::folderPasswordStaticTextEnabled() {
    myZlm420kJCHilite(outlets.folderPasswordStaticText, !(retentionOn(*this) && folderPassCodeWanted(*this)));
}

void NelvoPrintPdeZlm420kJC::folderPasswordEditTextEnabled() {
    const bool usable = retentionOn(*this) && !locked(outlets.folderPasswordButton) && folderPassCodeWanted(*this);
    myZlm420kJCHilite(outlets.folderPasswordEditText, !usable);
}

void NelvoPrintPdeZlm420kJC::folderPasswordButtonEnabled() {
    outlets.folderPasswordButton->setEnabled(retentionOn(*this) && folderPassCodeWanted(*this));
}

void NelvoPrintPdeZlm420kJC::folderSelectionMatrixEnabled() {
    outlets.folderSelectionMatrix->setEnabled(retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::folderNameEditTextEnabled() {
    const bool usable = retentionOn(*this) && !locked(outlets.folderNameButton) && customFolderRowChosen(*this);
    myZlm420kJCHilite(outlets.folderNameEditText, !usable);
}

void NelvoPrintPdeZlm420kJC::folderNameButtonEnabled() {
    outlets.folderNameButton->setEnabled(retentionOn(*this) && customFolderRowChosen(*this));
}

// Authentication: login name and password, or user number.

void NelvoPrintPdeZlm420kJC::loginNameStaticTextEnabled() {
    myZlm420kJCHilite(outlets.loginNameStaticText, !loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::loginNameEditTextEnabled() {
    myZlm420kJCHilite(outlets.loginNameEditText, !loginNameMode(*this) || locked(outlets.loginNameButton));
}

void NelvoPrintPdeZlm420kJC::loginNameButtonEnabled() {
    outlets.loginNameButton->setEnabled(loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::passwordStaticTextEnabled() {
    myZlm420kJCHilite(outlets.passwordStaticText, !loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::passwordEditTextEnabled() {
    myZlm420kJCHilite(outlets.passwordEditText, !loginNameMode(*this) || locked(outlets.passwordButton));
}

void NelvoPrintPdeZlm420kJC::passwordButtonEnabled() {
    outlets.passwordButton->setEnabled(loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::userNumberEditTextEnabled() {
    myZlm420kJCHilite(outlets.userNumberEditText, loginNameMode(*this) || locked(outlets.userNumberButton));
}

void NelvoPrintPdeZlm420kJC::userNumberButtonEnabled() {
    outlets.userNumberButton->setEnabled(!loginNameMode(*this));
}

// Fields that only their own lock freezes.

void NelvoPrintPdeZlm420kJC::userNameEditTextEnabled() {
    myZlm420kJCHilite(outlets.userNameEditText, locked(outlets.userNameButton));
}

void NelvoPrintPdeZlm420kJC::jobNameEditTextEnabled() {
    myZlm420kJCHilite(outlets.jobNameEditText, locked(outlets.jobNameButton));
}

void NelvoPrintPdeZlm420kJC::accountNumberEditTextEnabled() {
    myZlm420kJCHilite(outlets.accountNumberEditText, locked(outlets.accountNumberButton));
}

// The account number's lock button stays as the view gives it.
void NelvoPrintPdeZlm420kJC::accountNumberButtonEnabled() {}
