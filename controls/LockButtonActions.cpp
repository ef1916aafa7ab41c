// The lock buttons beside the fields: a locked field is frozen (dimmed), an
// unlocked one is editable again and takes the keyboard focus. The login
// name's lock, which also masks, is in LoginNameLock.cpp.
#include "platform/controls/NSButton.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::suspendKeyButtonProc(NSControl* /*sender*/) {
    if (outlets.suspendKeyButton) suspendKeyEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::folderPasswordButtonProc(NSControl* /*sender*/) {
    if (outlets.folderPasswordButton) folderPasswordEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::folderNameButtonProc(NSControl* /*sender*/) {
    if (outlets.folderNameButton) folderNameEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::passwordButtonProc(NSControl* /*sender*/) {
    if (outlets.passwordButton) passwordEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::userNumberButtonProc(NSControl* /*sender*/) {
    if (outlets.userNumberButton) userNumberEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::userNameButtonProc(NSControl* /*sender*/) {
    if (outlets.userNameButton) userNameEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::jobNameButtonProc(NSControl* /*sender*/) {
    if (outlets.jobNameButton) jobNameEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::accountNumberButtonProc(NSControl* /*sender*/) {
    if (outlets.accountNumberButton) accountNumberEditTextEnabled();
}
