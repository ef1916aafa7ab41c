// The user name and the job name: remembered as typed, stored as hex text,
// and otherwise the system's full name for the user and the job's own name.
#include "platform/controls/NSButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/core/UserEnvironment.h"
#include "settings/SettingsReader.h"
#include "settings/ValueForms.h"

void SettingsReader::readName(const NameField& name) {
    NSTextField* field = (panel_.*name.field).get();
    if (!field) return;
    bool lock = false;
    bool filled = false;

    if (takeRememberedBit(name.bit)) {
        lock = true;
        if (const auto& remembered = panel_.*name.remembered) {
            field->setStringValue(*remembered);
            filled = true;
        }
    }
    if (!filled) {
        if (const auto fromJob = value(name.key)) {
            const StoredText hex(*fromJob, value_buffers::kClearText);
            const std::string text = textFromBytes(value_forms::decodeHexText(hex));
            if (!text.empty()) {
                field->setStringValue(text);
                filled = true;
                if (jobHasLock(name.bit)) lock = true;
            }
        }
    }
    if (!filled) {
        if (const auto fallback = name.fallback(settings_)) field->setStringValue(*fallback);
    }

    Outlet<NSButton>& lockButton = panel_.*name.lockButton;
    lockButton->setState(lock ? 1 : 0);
    (panel_.*name.handler)(lockButton.get());
}

namespace reader_fields {

std::optional<std::string> fullUserName(PMPrintSettings /*settings*/) { return NSFullUserName(); }

std::optional<std::string> jobOwnName(PMPrintSettings settings) {
    const std::string* jobName = nullptr;
    if (PMPrintSettingsGetJobName(settings, &jobName) != noErr || !jobName) return std::string();
    return *jobName;
}

}  // namespace reader_fields
