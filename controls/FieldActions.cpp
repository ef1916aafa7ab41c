// The actions of the panel's fields. Typing into a field changes only its
// own value, which the writer reads from the field, so those actions (with
// the tab view's and the address field's) do nothing. A lock button freezes
// (dims) a locked field, and an unlocked one is editable again and takes the
// keyboard focus. The login name's lock also masks: while it is on, the
// field shows one bullet per character and the name itself is kept in
// loginNameStringRef; unlocking forgets the name, and the user types it
// again.
#include "platform/controls/Buttons.h"
#include "platform/controls/TextFields.h"
#include "platform/text/Utf16.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace {

constexpr const char* kBullet = "\xE2\x80\xA2";  // U+2022

// One bullet per UTF-16 code unit, as the platform counts the characters.
std::string maskFor(const std::string& name) {
    std::string mask;
    const std::size_t count = platform::utf16Length(name);
    mask.reserve(count * 3);
    for (std::size_t unit = 0; unit < count; ++unit)
        mask += kBullet;
    return mask;
}

}  // namespace

// Typing and the controls that need no reaction.

void NelvoPrintPdeZlm420kJC::tabProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::suspendKeyETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::folderPasswordETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::loginNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::passwordETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNumberETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::userNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::jobNameETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::accountNumberETextProc(NSControl* /*sender*/) {}

void NelvoPrintPdeZlm420kJC::printersAddressButtonProc(NSControl* /*sender*/) {}

// The lock buttons.

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

// The login name's lock, which also masks the name.
void NelvoPrintPdeZlm420kJC::loginNameButtonProc(NSControl* /*sender*/) {
    if (!outlets.loginNameButton) return;
    if (outlets.loginNameButton->state() != 1) {
        kept.loginNameUnLockFlag = true;
        outlets.loginNameEditText->setStringValue("");
        loginNameLock.loginNameStringRef.reset();
        loginNameLock.loginNameLockFlag = false;
        kept.loginNameUnLockFlag = false;
    } else if (!loginNameLock.loginNameLockFlag) {
        loginNameLock.loginNameStringRef = outlets.loginNameEditText->stringValue();
        if (!loginNameLock.loginNameStringRef->empty())
            outlets.loginNameEditText->setStringValue(maskFor(*loginNameLock.loginNameStringRef));
        loginNameLock.loginNameLockFlag = true;
    }
    // A second run with the lock on finds the mask in place and only dims.
    loginNameEditTextEnabled();
}
