// The enciphered fields (pass code, password, user number, account number,
// folder pass code): one pattern, driven by the field's table entry.
#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
#include "settings/SettingsReader.h"
#include "settings/ValueForms.h"

namespace {

// The most digits a pass code, account number or folder pass code field
// holds; a longer value cannot have been typed and is dropped.
constexpr size_t kShortCodeLimit = 5;
constexpr int32_t kLongPasswordMax = 8;

}  // namespace

void SettingsReader::readSecretField(const SecretField& secret) {
    NSTextField* field = (panel_.*secret.field).get();
    if (!field) return;
    bool lock = false;
    std::optional<StoredText> stored;

    if (takeRememberedBit(secret.bit)) {
        lock = true;
        if (const auto& remembered = panel_.*secret.remembered)
            stored.emplace(*remembered, value_buffers::kClearText);
    }
    if (!stored) {
        if (const auto fromJob = value(secret.key)) {
            stored.emplace(*fromJob, value_buffers::kClearText);
            if (jobHasLock(secret.bit)) lock = true;
        }
    }

    std::string clear;
    if (stored) {
        clear = value_forms::decodeFixedKeyHexForm(*stored, secret.digits);
        if (secret.lengthCheck && panel_.getPasswordMax() != kLongPasswordMax && clear.size() > kShortCodeLimit)
            clear.clear();
    }
    field->setStringValue(textFromBytes(clear));

    Outlet<NSButton>& lockButton = panel_.*secret.lockButton;
    lockButton->setState(lock ? 1 : 0);
    (panel_.*secret.handler)(lockButton.get());
}
