// The login-name lock. While it is on, the field shows one bullet per
// character and the name itself is kept in loginNameStringRef; unlocking
// forgets the name, and the user types it again.
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

void NelvoPrintPdeZlm420kJC::loginNameButtonProc(NSControl* /*sender*/) {
    if (!loginNameButton) return;
    if (loginNameButton->state() != 1) {
        loginNameUnLockFlag = true;
        loginNameEditText->setStringValue("");
        loginNameStringRef.reset();
        loginNameLockFlag = false;
        loginNameUnLockFlag = false;
    } else if (!loginNameLockFlag) {
        loginNameStringRef = loginNameEditText->stringValue();
        if (!loginNameStringRef->empty()) loginNameEditText->setStringValue(maskFor(*loginNameStringRef));
        loginNameLockFlag = true;
    }
    // A second run with the lock on finds the mask in place and only dims.
    loginNameEditTextEnabled();
}
