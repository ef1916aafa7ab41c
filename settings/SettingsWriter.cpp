#include "settings/SettingsWriter.h"

#include <array>
#include <optional>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSButtonCell.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSTextField.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/LockMask.h"
#include "settings/SettingsKeys.h"
#include "settings/ValueForms.h"
#include "settings/ValueHelpers.h"

using namespace settings_keys;

namespace {

// Characters and bytes that each value contributes.
constexpr size_t kDigitLimit = 8;
constexpr size_t kAccountNumberBytes = 5;
constexpr size_t kLoginNameLimit = 255;
constexpr size_t kPasswordLimit = 32;
constexpr size_t kNameLimit = 32;
constexpr size_t kPasswordCipherBytes = 32;
constexpr size_t kCodeCipherBytes = 16;

bool isOn(const Outlet<NSButton>& button) { return button->state() != 0; }

}  // namespace

void NelvoPrintPdeZlm420kJC::writeNonPPDSettingsToPrintSettings() {
    PDEProlog(this, "--writeNonPPDSettingsToPrintSettings:");
    PMPrintSettings settings = pdePluginCallbackObject ? pdePluginCallbackObject->printSettings() : nullptr;
    if (settings && hasInited) SettingsWriter(*this, settings).write();
    PDEEpilog(this, "--writeNonPPDSettingsToPrintSettings:");
}

SettingsWriter::SettingsWriter(const NelvoPrintPdeZlm420kJC& panel, PMPrintSettings settings)
    : panel_(panel), settings_(settings) {
    std::array<char, value_buffers::kSpoolTime> text{};
    GetSpoolTime(text.data(), text.size());
    spoolTime_ = text.data();
}

void SettingsWriter::write() {
    writeSpoolTime();
    writeFiling();
    writeMainFolderPath();
    writeRetention();
    writeAuthentication();
    writeLoginName();
    writePassword();
    writeNumber(panel_.userNumberEditText, kUserNumber, kUserNumber2, kDigitLimit);
    writeNumber(panel_.accountNumberEditText, kAccountNumber, kAccountNumber2, kAccountNumberBytes);
    writeName(panel_.userNameEditText, kUserName, kUserName2);
    writeName(panel_.jobNameEditText, kJobName, kJobName2);
    writeFolderPassCode();
    writeLockMask();
}

void SettingsWriter::set(const char* key, const std::string& value) {
    MyPMPrintSetAsciiCStrValue(settings_, key, value.c_str());
}

void SettingsWriter::remove(const char* key) { MyPMPrintSetAsciiCStrValue(settings_, key, nullptr); }

void SettingsWriter::writeSpoolTime() {
    set(kSpoolTime, value_forms::hexText(reinterpret_cast<const unsigned char*>(spoolTime_.data()), spoolTime_.size()));
}

void SettingsWriter::writeFiling() {
    remove(kFiling);
    remove(kFolderPath);
    remove(kFolderPath2);
    // This model has no document-filing storage (CheckHardDisk answers NO):
    // whatever the filing controls show, the job carries no filing target.
    if (panel_.folderSelectionPopup || panel_.folderSelectionMatrix) set(kFiling, std::string(1, kFilingNone));
}

void SettingsWriter::writeMainFolderPath() {
    if (panel_.retentionCheckBox->state() != 1) return;
    const std::string path = kStandardFolderPath;
    const std::string hex = value_forms::hexText(reinterpret_cast<const unsigned char*>(path.data()), path.size());
    set(kFolderPath, hex);
    set(kFolderPath2, hex);
}

void SettingsWriter::writeRetention() {
    if (!panel_.retentionCheckBox || !panel_.suspendMatrix) {
        remove(kJobSuspend);
    } else if (panel_.retentionCheckBox->state() == 0) {
        set(kJobSuspend, kJobSuspendOff);
    } else {
        const int row = panel_.suspendMatrix->selectedRow();
        // No selected row counts as the first, hold only.
        set(kJobSuspend, kJobSuspendDigitForRow[row >= 1 && row <= 2 ? row : 0]);
        if (panel_.suspendKeyEditText) {
            writePassCode();
            return;
        }
    }
    remove(kJobSuspendKey);
    remove(kJobSuspend2Key);
}

ClearText SettingsWriter::passCodeDigits(const NSTextField& field) const {
    return convertText(field.stringValue(), panel_.systemEncoding, kDigitLimit, kDigitLimit);
}

void SettingsWriter::writePassCode() {
    const ClearText digits = passCodeDigits(*panel_.suspendKeyEditText);
    if (digits.empty()) {
        remove(kJobSuspendKey);
        remove(kJobSuspend2Key);
        return;
    }
    set(kJobSuspendKey, value_forms::jobDigest(value_forms::paddedDigits(digits), spoolTime_));
    set(kJobSuspend2Key, value_forms::fixedKeyHexForm(digits, kCodeCipherBytes));
}

void SettingsWriter::writeAuthentication() {
    if (!panel_.authenticationRadioButton) {
        remove(kAuthentication);
        return;
    }
    set(kAuthentication, panel_.authenticationRadioButton->state() >= 1 ? "1" : "0");
}

void SettingsWriter::writeLoginName() {
    if (!panel_.loginNameEditText) {
        MyMultiPMPrintSetAsciiCStrValue(settings_, kLoginName1, nullptr);
        MyMultiPMPrintSetAsciiCStrValue(settings_, kLoginName0, nullptr);
        return;
    }
    // While the lock is on the field shows bullets; the clear name is kept.
    const std::optional<std::string> source =
        isOn(panel_.loginNameButton) ? panel_.loginNameStringRef
                                     : std::optional<std::string>(panel_.loginNameEditText->stringValue());

    ClearText name = source ? convertName(*source, panel_.systemEncoding, kLoginNameLimit) : ClearText();
    const std::string fixedKeyForm = name.empty() ? std::string() : value_forms::fixedKeyBase64Form(name);
    MyMultiPMPrintSetAsciiCStrValue(settings_, kLoginName1, fixedKeyForm.c_str());

    if (source && encodingWindowsLatin1()) name = convertWindowsLatin1(*source, kLoginNameLimit);
    const std::string jobKeyForm = name.empty() ? std::string() : value_forms::jobKeyBase64Form(name, spoolTime_);
    MyMultiPMPrintSetAsciiCStrValue(settings_, kLoginName0, jobKeyForm.c_str());
}

void SettingsWriter::writePassword() {
    const ClearText password =
        panel_.passwordEditText
            ? convertText(panel_.passwordEditText->stringValue(), panel_.systemEncoding, kPasswordLimit,
                          kPasswordLimit, ' ')
            : ClearText();
    if (password.empty()) {
        remove(kPassword);
        remove(kPassword2);
        return;
    }
    set(kPassword, value_forms::jobKeyBase64Form(password, spoolTime_));
    // Always two blocks: a password of up to 16 bytes ends in 32 zeros.
    set(kPassword2, value_forms::fixedKeyHexForm(password, kPasswordCipherBytes));
}

void SettingsWriter::writeNumber(const Outlet<NSTextField>& field, const char* key, const char* key2,
                                 size_t maxBytes) {
    const ClearText digits =
        field ? convertText(field->stringValue(), panel_.systemEncoding, kDigitLimit, maxBytes) : ClearText();
    if (digits.empty()) {
        remove(key);
        remove(key2);
        return;
    }
    set(key, value_forms::paddedDigits(digits));
    set(key2, value_forms::fixedKeyHexForm(digits, kCodeCipherBytes));
}

void SettingsWriter::writeName(const Outlet<NSTextField>& field, const char* key, const char* key2) {
    if (!field) {
        remove(key);
        remove(key2);
        return;
    }
    const std::string& text = field->stringValue();
    ClearText name = convertName(text, panel_.systemEncoding, kNameLimit);
    set(key, value_forms::hexText(name.data(), name.length));

    if (encodingWindowsLatin1()) name = convertWindowsLatin1(text, kNameLimit);
    // The filter's form: no control characters, no double quotes.
    ReplaceSpaceCode(name.bytes.data(), static_cast<int64_t>(name.length));
    set(key2, value_forms::hexText(name.data(), name.length));
}

void SettingsWriter::writeFolderPassCode() {
    const ClearText digits = panel_.folderPasswordEditText ? passCodeDigits(*panel_.folderPasswordEditText) : ClearText();
    if (digits.empty()) {
        remove(kFolderPassword);
        remove(kFolderPassword2);
        return;
    }
    // The spool time first: the reverse of the retention pass code's digest.
    set(kFolderPassword, value_forms::jobDigest(spoolTime_, value_forms::paddedDigits(digits)));
    set(kFolderPassword2, value_forms::fixedKeyHexForm(digits, kCodeCipherBytes));
}

void SettingsWriter::writeLockMask() {
    const std::string text = std::to_string(lockMaskOf(panel_));
    PMPrintSettingsSetValue(settings_, kHoldButton, &text, false);
}
