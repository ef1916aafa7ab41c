// Writes the job values that the panel's controls hold into the job's print
// settings under the keys that the printer's filter reads, replacing or
// removing whatever an earlier save left. One writer serves one save: the
// digests and job-key forms depend on the spool time taken when it is made.
#include <array>
#include <optional>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/TextFields.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/ClearText.h"
#include "settings/JobFields.h"
#include "settings/SettingsKeys.h"
#include "settings/ValueForms.h"
#include "settings/ValueHelpers.h"

using namespace settings_keys;
using job_fields::Form;
using job_fields::JobField;

namespace {

class SettingsWriter {
public:
    SettingsWriter(const NelvoPrintPdeZlm420kJC& panel, PMPrintSettings settings);

    // Every key, in the filter's order.
    void write();

private:
    void writeSpoolTime();
    void writeFiling();
    void writeMainFolderPath();
    void writeRetention();
    void writeAuthentication();
    void writeField(const JobField& field);
    void writePassCode(const JobField& field, const ClearText& digits);
    void writeNumber(const JobField& field, const ClearText& digits);
    void writePassword(const JobField& field, const ClearText& password);
    void writeLoginName(const JobField& field);
    void writeName(const JobField& field);
    void writeLockMask();

    // The field's text as its form takes it; empty for an absent field.
    ClearText sentText(const JobField& field) const;
    bool retentionOn() const;
    void set(const char* key, const std::string& value);
    void remove(const char* key);
    void removeKeys(const JobField& field);

    const NelvoPrintPdeZlm420kJC& panel_;
    PMPrintSettings settings_;
    std::string spoolTime_;
};

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
    for (const JobField* field : job_fields::kFields)
        writeField(*field);
    writeLockMask();
}

void SettingsWriter::set(const char* key, const std::string& value) {
    MyPMPrintSetAsciiCStrValue(settings_, key, value.c_str());
}

void SettingsWriter::remove(const char* key) {
    MyPMPrintSetAsciiCStrValue(settings_, key, nullptr);
}

void SettingsWriter::removeKeys(const JobField& field) {
    if (field.form == Form::loginName) {
        // Only the first piece goes: a longer name written earlier leaves
        // its later pieces, which the reader never takes alone.
        MyMultiPMPrintSetAsciiCStrValue(settings_, field.key, nullptr);
        MyMultiPMPrintSetAsciiCStrValue(settings_, field.filterKey, nullptr);
        return;
    }
    remove(field.key);
    remove(field.filterKey);
}

void SettingsWriter::writeSpoolTime() {
    set(kSpoolTime, value_forms::hexText(reinterpret_cast<const unsigned char*>(spoolTime_.data()), spoolTime_.size()));
}

void SettingsWriter::writeFiling() {
    remove(kFiling);
    remove(kFolderPath);
    remove(kFolderPath2);
    // This model has no document-filing storage (CheckHardDisk answers NO):
    // whatever the filing controls show, the job carries no filing target.
    if (panel_.outlets.folderSelectionPopup || panel_.outlets.folderSelectionMatrix)
        set(kFiling, std::string(1, kFilingNone));
}

void SettingsWriter::writeMainFolderPath() {
    if (panel_.outlets.retentionCheckBox->state() != 1) return;
    const std::string path = kStandardFolderPath;
    const std::string hex = value_forms::hexText(reinterpret_cast<const unsigned char*>(path.data()), path.size());
    set(kFolderPath, hex);
    set(kFolderPath2, hex);
}

bool SettingsWriter::retentionOn() const {
    return panel_.outlets.retentionCheckBox && panel_.outlets.suspendMatrix &&
           panel_.outlets.retentionCheckBox->state() != 0;
}

void SettingsWriter::writeRetention() {
    if (!panel_.outlets.retentionCheckBox || !panel_.outlets.suspendMatrix) {
        remove(kJobSuspend);
    } else if (!retentionOn()) {
        set(kJobSuspend, kJobSuspendOff);
    } else {
        const int row = panel_.outlets.suspendMatrix->selectedRow();
        // No selected row counts as the first, hold only.
        const bool known = row >= positions::kHoldOnlyRow && row <= positions::kSamplePrintRow;
        set(kJobSuspend, kJobSuspendDigitForRow[known ? row : positions::kHoldOnlyRow]);
    }
}

void SettingsWriter::writeAuthentication() {
    if (!panel_.outlets.authenticationRadioButton) {
        remove(kAuthentication);
        return;
    }
    set(kAuthentication, panel_.outlets.authenticationRadioButton->state() >= 1 ? "1" : "0");
}

ClearText SettingsWriter::sentText(const JobField& field) const {
    const Outlet<NSTextField>& control = panel_.outlets.*field.field;
    if (!control) return ClearText();
    // The password keeps its length: a space stands for what cannot be sent.
    const std::optional<char> lossByte = field.form == Form::password ? std::optional<char>(' ') : std::nullopt;
    return convertText(control->stringValue(), panel_.context.systemEncoding, field.sent.characters, field.sent.bytes,
                       lossByte);
}

void SettingsWriter::writeField(const JobField& field) {
    if (field.onlyWithRetention && !retentionOn()) {
        removeKeys(field);
        return;
    }
    switch (field.form) {
        case Form::loginName: writeLoginName(field); return;
        case Form::name: writeName(field); return;
        case Form::none: return;
        default: break;
    }
    const ClearText text = sentText(field);
    if (text.empty()) {
        removeKeys(field);
        return;
    }
    if (field.form == Form::passCode) writePassCode(field, text);
    if (field.form == Form::number) writeNumber(field, text);
    if (field.form == Form::password) writePassword(field, text);
}

void SettingsWriter::writePassCode(const JobField& field, const ClearText& digits) {
    const std::string padded = value_forms::paddedDigits(digits);
    set(field.filterKey,
        field.spoolTimeFirst ? value_forms::jobDigest(spoolTime_, padded) : value_forms::jobDigest(padded, spoolTime_));
    // The cipher takes the digits as entered, not padded.
    set(field.key, value_forms::fixedKeyHexForm(digits, field.cipherBytes));
}

void SettingsWriter::writeNumber(const JobField& field, const ClearText& digits) {
    set(field.filterKey, value_forms::paddedDigits(digits));
    set(field.key, value_forms::fixedKeyHexForm(digits, field.cipherBytes));
}

void SettingsWriter::writePassword(const JobField& field, const ClearText& password) {
    set(field.filterKey, value_forms::jobKeyBase64Form(password, spoolTime_));
    // Always two blocks: a password of up to 16 bytes ends in 32 zeros.
    set(field.key, value_forms::fixedKeyHexForm(password, field.cipherBytes));
}

void SettingsWriter::writeLoginName(const JobField& field) {
    const Outlet<NSTextField>& control = panel_.outlets.*field.field;
    if (!control) {
        removeKeys(field);
        return;
    }
    // While the lock is on the field shows bullets; the clear name is kept.
    const std::optional<std::string> source = (panel_.outlets.*field.lockButton)->state() != 0
                                                  ? panel_.loginNameLock.loginNameStringRef
                                                  : std::optional<std::string>(control->stringValue());

    ClearText name = source ? convertName(*source, panel_.context.systemEncoding, field.sent.characters) : ClearText();
    const std::string fixedKeyForm = name.empty() ? std::string() : value_forms::fixedKeyBase64Form(name);
    MyMultiPMPrintSetAsciiCStrValue(settings_, field.key, fixedKeyForm.c_str());

    if (source && encodingWindowsLatin1()) name = convertWindowsLatin1(*source, field.sent.characters);
    const std::string jobKeyForm = name.empty() ? std::string() : value_forms::jobKeyBase64Form(name, spoolTime_);
    MyMultiPMPrintSetAsciiCStrValue(settings_, field.filterKey, jobKeyForm.c_str());
}

void SettingsWriter::writeName(const JobField& field) {
    const Outlet<NSTextField>& control = panel_.outlets.*field.field;
    if (!control) {
        removeKeys(field);
        return;
    }
    const std::string& text = control->stringValue();
    ClearText name = convertName(text, panel_.context.systemEncoding, field.sent.characters);
    set(field.key, value_forms::hexText(name.data(), name.length));

    if (encodingWindowsLatin1()) name = convertWindowsLatin1(text, field.sent.characters);
    // The filter's form: no control characters, no double quotes.
    ReplaceSpaceCode(name.bytes.data(), static_cast<int64_t>(name.length));
    set(field.filterKey, value_forms::hexText(name.data(), name.length));
}

void SettingsWriter::writeLockMask() {
    const std::string text = std::to_string(job_fields::lockMaskOf(panel_));
    PMPrintSettingsSetValue(settings_, kHoldButton, &text, false);
}

}  // namespace

void NelvoPrintPdeZlm420kJC::writeNonPPDSettingsToPrintSettings() {
    PDEProlog(this, "--writeNonPPDSettingsToPrintSettings:");
    PMPrintSettings settings =
        context.pdePluginCallbackObject ? context.pdePluginCallbackObject->printSettings() : nullptr;
    if (settings && progress.hasInited) SettingsWriter(*this, settings).write();
    PDEEpilog(this, "--writeNonPPDSettingsToPrintSettings:");
}
