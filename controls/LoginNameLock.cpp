// The login-name lock. While it is on, the field shows one bullet per
// character and the name itself is kept in loginNameStringRef; unlocking
// forgets the name, and the user types it again.
#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
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
