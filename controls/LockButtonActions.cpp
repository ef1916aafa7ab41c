// The lock buttons beside the fields: a locked field is frozen (dimmed), an
// unlocked one is editable again and takes the keyboard focus. The login
// name's lock, which also masks, is in LoginNameLock.cpp.
#include "platform/controls/Buttons.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

void NelvoPrintPdeZlm420kJC::suspendKeyButtonProc(NSControl* /*sender*/) {
    if (suspendKeyButton) suspendKeyEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::folderPasswordButtonProc(NSControl* /*sender*/) {
    if (folderPasswordButton) folderPasswordEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::folderNameButtonProc(NSControl* /*sender*/) {
    if (folderNameButton) folderNameEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::passwordButtonProc(NSControl* /*sender*/) {
    if (passwordButton) passwordEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::userNumberButtonProc(NSControl* /*sender*/) {
    if (userNumberButton) userNumberEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::userNameButtonProc(NSControl* /*sender*/) {
    if (userNameButton) userNameEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::jobNameButtonProc(NSControl* /*sender*/) {
    if (jobNameButton) jobNameEditTextEnabled();
}

void NelvoPrintPdeZlm420kJC::accountNumberButtonProc(NSControl* /*sender*/) {
    if (accountNumberButton) accountNumberEditTextEnabled();
}
