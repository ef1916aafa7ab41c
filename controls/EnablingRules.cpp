// The enabling rules: each sets the enabled flag, or the dimmed state, of one
// control from the choices on the panel, and changes no value.
#include "controls/Hilite.h"
#include "controls/PanelConditions.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

using namespace controls;

// Retention: pass code and hold mode.

void NelvoPrintPdeZlm420kJC::suspendMatrixEnabled() {
    suspendMatrix->setEnabled(retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::suspendKeyStaticTextEnabled() {
    myZlm420kJCHilite(suspendKeyStaticText, !retentionOn(*this) || quickFileChosen(*this));
}

void NelvoPrintPdeZlm420kJC::suspendKeyEditTextEnabled() {
    myZlm420kJCHilite(suspendKeyEditText, !retentionOn(*this) || locked(suspendKeyButton) || quickFileChosen(*this));
}

void NelvoPrintPdeZlm420kJC::suspendKeyButtonEnabled() {
    suspendKeyButton->setEnabled(retentionOn(*this) && !quickFileChosen(*this));
}

// Filing: the folder choice, its pass code and the custom folder's name.

void NelvoPrintPdeZlm420kJC::folderSelectionStaticTextEnabled() {
    myZlm420kJCHilite(folderSelectionStaticText, !retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::folderSelectionPopupEnabled() {
    folderSelectionPopup->setEnabled(retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::folderPasswordStaticTextEnabled() {
    myZlm420kJCHilite(folderPasswordStaticText, !(retentionOn(*this) && folderPassCodeWanted(*this)));
}

void NelvoPrintPdeZlm420kJC::folderPasswordEditTextEnabled() {
    const bool usable = retentionOn(*this) && !locked(folderPasswordButton) && folderPassCodeWanted(*this);
    myZlm420kJCHilite(folderPasswordEditText, !usable);
}

void NelvoPrintPdeZlm420kJC::folderPasswordButtonEnabled() {
    folderPasswordButton->setEnabled(retentionOn(*this) && folderPassCodeWanted(*this));
}

void NelvoPrintPdeZlm420kJC::folderSelectionMatrixEnabled() {
    folderSelectionMatrix->setEnabled(retentionOn(*this));
}

void NelvoPrintPdeZlm420kJC::folderNameEditTextEnabled() {
    const bool usable = retentionOn(*this) && !locked(folderNameButton) && customFolderRowChosen(*this);
    myZlm420kJCHilite(folderNameEditText, !usable);
}

void NelvoPrintPdeZlm420kJC::folderNameButtonEnabled() {
    folderNameButton->setEnabled(retentionOn(*this) && customFolderRowChosen(*this));
}

// Authentication: login name and password, or user number.

void NelvoPrintPdeZlm420kJC::loginNameStaticTextEnabled() {
    myZlm420kJCHilite(loginNameStaticText, !loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::loginNameEditTextEnabled() {
    myZlm420kJCHilite(loginNameEditText, !loginNameMode(*this) || locked(loginNameButton));
}

void NelvoPrintPdeZlm420kJC::loginNameButtonEnabled() {
    loginNameButton->setEnabled(loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::passwordStaticTextEnabled() {
    myZlm420kJCHilite(passwordStaticText, !loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::passwordEditTextEnabled() {
    myZlm420kJCHilite(passwordEditText, !loginNameMode(*this) || locked(passwordButton));
}

void NelvoPrintPdeZlm420kJC::passwordButtonEnabled() {
    passwordButton->setEnabled(loginNameMode(*this));
}

void NelvoPrintPdeZlm420kJC::userNumberEditTextEnabled() {
    myZlm420kJCHilite(userNumberEditText, loginNameMode(*this) || locked(userNumberButton));
}

void NelvoPrintPdeZlm420kJC::userNumberButtonEnabled() {
    userNumberButton->setEnabled(!loginNameMode(*this));
}

// Fields that only their own lock freezes.

void NelvoPrintPdeZlm420kJC::userNameEditTextEnabled() {
    myZlm420kJCHilite(userNameEditText, locked(userNameButton));
}

void NelvoPrintPdeZlm420kJC::jobNameEditTextEnabled() {
    myZlm420kJCHilite(jobNameEditText, locked(jobNameButton));
}

void NelvoPrintPdeZlm420kJC::accountNumberEditTextEnabled() {
    myZlm420kJCHilite(accountNumberEditText, locked(accountNumberButton));
}

// The account number's lock button stays as the view gives it.
void NelvoPrintPdeZlm420kJC::accountNumberButtonEnabled() {}
