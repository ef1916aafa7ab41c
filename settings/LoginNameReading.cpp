// The login name: remembered or stored in pieces as the fixed-key Base64
// form, and masked again by its handler when it comes back locked.
#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
#include "settings/SettingsReader.h"
#include "settings/ValueForms.h"

using namespace settings_keys;

void SettingsReader::readLoginName() {
    if (!panel_.loginNameEditText) return;
    // Release any kept name and empty the field before reading.
    panel_.loginNameButton->setState(0);
    panel_.loginNameButtonProc(panel_.loginNameButton.get());

    bool lock = false;
    const StoredText stored = storedLoginName(lock);
    const std::string clear = value_forms::decodeFixedKeyBase64Form(stored);
    panel_.loginNameEditText->setStringValue(textFromBytes(clear));

    panel_.loginNameStringRef.reset();
    panel_.loginNameLockFlag = false;
    applyLoginNameLock(lock);
}

// The remembered name when its lock was remembered with one, else the first
// two pieces of the print settings joined; a second piece alone is ignored.
StoredText SettingsReader::storedLoginName(bool& lock) {
    if (takeRememberedBit(lock_bits::kLoginName)) {
        lock = true;
        if (panel_.prefLoginNameStringRef) return StoredText(*panel_.prefLoginNameStringRef, value_buffers::kCipherText);
    }
    StoredText joined(value(kLoginName1Piece1).value_or(std::string()), value_buffers::kCipherText);
    const StoredText second(value(kLoginName1Piece2).value_or(std::string()), value_buffers::kCipherText);
    if (!joined.empty() && !second.empty()) joined.append(second);
    if (jobHasLock(lock_bits::kLoginName)) lock = true;
    return joined;
}

void SettingsReader::applyLoginNameLock(bool lock) {
    if (lock) {
        panel_.loginNameButton->setState(1);
        panel_.loginNameButtonProc(panel_.loginNameButton.get());
    } else if (panel_.loginNameButton->state() != 0) {
        panel_.loginNameButton->setState(0);
        panel_.loginNameButtonProc(panel_.loginNameButton.get());
    }
}
