// Reads the job values back into the panel's controls: for each field the
// value remembered for a locked field, else the one in the print settings,
// else a default; sets the lock buttons and runs the action handlers in
// their order, so that dependent controls follow the values read.
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"
#include "platform/core/PrintingFramework.h"
#include "platform/core/TextConversion.h"
#include "platform/core/UserEnvironment.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/JobFields.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredText.h"
#include "settings/ValueForms.h"

using namespace settings_keys;
using job_fields::Form;
using job_fields::JobField;

namespace {

// With a pass-code maximum of 8 the fields take every digit sent; with any
// other, a code longer than its field cannot have been typed.
constexpr int32_t kLongPasswordMax = 8;

// A decimal integer as the platform's strings read one: leading spaces, an
// optional sign, the digits that follow (0 without any), saturated to the
// 32-bit range.
int32_t integerValue(const std::string& text) {
    const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (parsed > INT32_MAX) return INT32_MAX;
    if (parsed < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(parsed);
}

class SettingsReader {
public:
    // `remembered` are the queue's remembered values; each applies at the
    // first restore only (RememberedValues::takeAtFirstRestore).
    SettingsReader(NelvoPrintPdeZlm420kJC& panel, PMPrintSettings settings, RememberedValues& remembered)
        : panel_(panel), settings_(settings), remembered_(remembered) {}

    void read();

private:
    void readLockMask();
    int readRetention();
    void selectRetentionMode(int code);
    void readField(const JobField& field);
    void readSecretField(const JobField& field);
    void readFiling(const JobField& folderName);
    bool readFilingTarget();
    bool readRememberedFolderName(const JobField& folderName, bool& lock);
    void readAuthentication();
    void readLoginName(const JobField& field);
    StoredText storedLoginName(const JobField& field, bool& lock);
    void applyLoginNameLock(const JobField& field, bool lock);
    void readName(const JobField& field);
    std::optional<std::string> nameDefault(const JobField& field) const;
    void setLock(const JobField& field, bool lock);
    void bringDependentControlsInLine();

    std::optional<std::string> value(const char* key) const;
    bool jobHasLock(uint32_t bit) const { return (panel_.fromJob.presetHoldButtonFlag & bit) != 0; }
    // Decoded bytes as text in the system encoding; empty when they are not
    // valid in it.
    std::string textFromBytes(const std::string& bytes) const;

    NelvoPrintPdeZlm420kJC& panel_;
    PMPrintSettings settings_;
    RememberedValues& remembered_;
};

void SettingsReader::read() {
    readLockMask();
    selectRetentionMode(readRetention());
    for (const JobField* field : job_fields::kFields) {
        // The authentication method is chosen before the login name and the
        // fields after it are read, and its handler runs once the account
        // number is: the lock handlers of those fields see the method.
        if (field == &job_fields::kLoginName) readAuthentication();
        if (field == &job_fields::kUserName) panel_.authenticationMatrixProc(panel_.outlets.authenticationMatrix.get());
        readField(*field);
    }
    bringDependentControlsInLine();
}

std::optional<std::string> SettingsReader::value(const char* key) const {
    const std::string* stored = nullptr;
    if (PMPrintSettingsGetValue(settings_, key, &stored) != noErr || !stored) return std::nullopt;
    return *stored;
}

std::string SettingsReader::textFromBytes(const std::string& bytes) const {
    return platform::stringFromBytes(bytes.data(), bytes.size(), panel_.context.systemEncoding).value_or(std::string());
}

void SettingsReader::setLock(const JobField& field, bool lock) {
    Outlet<NSButton>& lockButton = panel_.outlets.*field.lockButton;
    lockButton->setState(lock ? 1 : 0);
    (panel_.*field.lockHandler)(lockButton.get());
}

void SettingsReader::readLockMask() {
    // The job's mask stays for later restores when a job carries none.
    if (const auto mask = value(kHoldButton))
        panel_.fromJob.presetHoldButtonFlag = static_cast<uint32_t>(integerValue(*mask));
}

// 0 off, else the hold-mode row + 1.
int SettingsReader::readRetention() {
    if (!panel_.outlets.retentionCheckBox) return 0;
    int code = 0;
    if (const auto suspend = value(kJobSuspend); suspend && !suspend->empty()) {
        if (const auto row = holdRowOfDigit((*suspend)[0])) code = *row + 1;
    }
    panel_.outlets.retentionCheckBox->setState(code != 0 ? 1 : 0);
    panel_.retentionCBoxProc(panel_.outlets.retentionCheckBox.get());
    return code;
}

void SettingsReader::selectRetentionMode(int code) {
    if (panel_.outlets.suspendMatrix)
        panel_.outlets.suspendMatrix->selectCellAtRow(code != 0 ? code - 1 : positions::kHoldOnlyRow, 0);
}

void SettingsReader::readField(const JobField& field) {
    switch (field.form) {
        case Form::passCode:
        case Form::number:
        case Form::password: readSecretField(field); break;
        case Form::loginName: readLoginName(field); break;
        case Form::name: readName(field); break;
        case Form::none: readFiling(field); break;
    }
}

// The enciphered fields: the remembered value, or the fixed-key hex form of
// the print settings.
void SettingsReader::readSecretField(const JobField& secret) {
    NSTextField* field = (panel_.outlets.*secret.field).get();
    if (!field) return;
    bool lock = false;
    std::optional<StoredText> stored;

    if (remembered_.takeAtFirstRestore(secret.lockBit)) {
        lock = true;
        if (const auto& remembered = remembered_.*secret.remembered)
            stored.emplace(*remembered, value_buffers::kClearText);
    }
    if (!stored) {
        if (const auto fromJob = value(secret.key)) {
            stored.emplace(*fromJob, value_buffers::kClearText);
            if (jobHasLock(secret.lockBit)) lock = true;
        }
    }

    std::string clear;
    if (stored) {
        clear = value_forms::decodeFixedKeyHexForm(*stored, 2 * secret.cipherBytes);
        if (secret.longerThanEntryDropped && panel_.getPasswordMax() != kLongPasswordMax &&
            clear.size() > secret.entryLimit)
            clear.clear();
    }
    field->setStringValue(textFromBytes(clear));
    setLock(secret, lock);
}

// The filing target: quick file or a custom folder from the print
// settings, a remembered folder name, else the main folder.
void SettingsReader::readFiling(const JobField& folderName) {
    if (!panel_.outlets.folderSelectionPopup && !panel_.outlets.folderSelectionMatrix) return;
    bool lock = jobHasLock(folderName.lockBit);
    bool targetSet = readFilingTarget();
    if (readRememberedFolderName(folderName, lock)) targetSet = true;
    if (!targetSet) {
        panel_.outlets.folderSelectionPopup->selectItemAtIndex(positions::kMainFolderItem);
        panel_.outlets.folderSelectionMatrix->selectCellAtRow(positions::kMainFolderRow, 0);
    }
    setLock(folderName, lock);
}

// Whether the print settings name a target: quick file, or a custom folder
// with its path.
bool SettingsReader::readFilingTarget() {
    const auto filing = value(kFiling);
    if (!filing || filing->empty()) return false;
    if ((*filing)[0] == kFilingQuickFile) {
        panel_.outlets.folderSelectionPopup->selectItemAtIndex(positions::kQuickFileItem);
        panel_.outlets.folderSelectionMatrix->selectCellAtRow(positions::kQuickFileRow, 0);
        return true;
    }
    if ((*filing)[0] != kFilingCustomFolder) return false;
    const auto path = value(kFolderPath);
    if (!path) return false;
    const std::string bytes = value_forms::decodeHexText(StoredText(*path, value_buffers::kClearText));
    panel_.fromJob.folderNameStringRef =
        platform::stringFromBytes(bytes.data(), bytes.size(), panel_.context.systemEncoding);
    panel_.outlets.folderSelectionPopup->selectItemAtIndex(
        static_cast<int>(panel_.SearchSameFolderName(panel_.fromJob.folderNameStringRef)));
    panel_.outlets.folderSelectionMatrix->selectCellAtRow(positions::kCustomFolderRow, 0);
    panel_.outlets.folderNameEditText->setStringValue(panel_.fromJob.folderNameStringRef.value_or(std::string()));
    return true;
}

// Whether a remembered folder name was put into the folder-name field; it
// then comes with its lock on.
bool SettingsReader::readRememberedFolderName(const JobField& folderName, bool& lock) {
    if (!panel_.outlets.folderSelectionMatrix || !remembered_.takeAtFirstRestore(folderName.lockBit)) return false;
    const auto& remembered = remembered_.*folderName.remembered;
    if (!remembered) return false;
    (panel_.outlets.*folderName.field)->setStringValue(*remembered);
    lock = true;
    return true;
}

void SettingsReader::readAuthentication() {
    if (!panel_.outlets.authenticationMatrix) return;
    bool loginName = true;
    if (const auto remembered = remembered_.authenticationAtFirstRestore(lock_bits::kAuthenticationGroup)) {
        loginName = *remembered;
    } else if (const auto method = value(kAuthentication)) {
        loginName = method->empty() || (*method)[0] == '1';
    }
    panel_.outlets.authenticationMatrix->selectCellAtRow(
        loginName ? positions::kLoginNameRow : positions::kUserNumberRow, 0);
}

// The login name: remembered or stored in pieces as the fixed-key Base64
// form, and masked again by its handler when it comes back locked.
void SettingsReader::readLoginName(const JobField& field) {
    const Outlet<NSTextField>& control = panel_.outlets.*field.field;
    if (!control) return;
    // Release any kept name and empty the field before reading.
    setLock(field, false);

    bool lock = false;
    const StoredText stored = storedLoginName(field, lock);
    const std::string clear = value_forms::decodeFixedKeyBase64Form(stored);
    control->setStringValue(textFromBytes(clear));

    panel_.loginNameLock = LoginNameLockState{};
    applyLoginNameLock(field, lock);
}

// The remembered name when its lock was remembered with one, else the first
// two pieces of the print settings joined; a second piece alone is ignored.
StoredText SettingsReader::storedLoginName(const JobField& field, bool& lock) {
    if (remembered_.takeAtFirstRestore(field.lockBit)) {
        lock = true;
        if (const auto& remembered = remembered_.*field.remembered)
            return StoredText(*remembered, value_buffers::kCipherText);
    }
    StoredText joined(value(kLoginName1Piece1).value_or(std::string()), value_buffers::kCipherText);
    const StoredText second(value(kLoginName1Piece2).value_or(std::string()), value_buffers::kCipherText);
    if (!joined.empty() && !second.empty()) joined.append(second);
    if (jobHasLock(field.lockBit)) lock = true;
    return joined;
}

void SettingsReader::applyLoginNameLock(const JobField& field, bool lock) {
    if (lock || (panel_.outlets.*field.lockButton)->state() != 0) setLock(field, lock);
}

// The user name and the job name: remembered as typed, stored as hex text,
// and otherwise a default from the system.
void SettingsReader::readName(const JobField& name) {
    NSTextField* field = (panel_.outlets.*name.field).get();
    if (!field) return;
    bool lock = false;
    bool filled = false;

    if (remembered_.takeAtFirstRestore(name.lockBit)) {
        lock = true;
        if (const auto& remembered = remembered_.*name.remembered) {
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
                if (jobHasLock(name.lockBit)) lock = true;
            }
        }
    }
    if (!filled) {
        if (const auto fallback = nameDefault(name)) field->setStringValue(*fallback);
    }
    setLock(name, lock);
}

// The logged-in user's full name when the system gives one; the job's own
// name, or the empty text when the job has none.
std::optional<std::string> SettingsReader::nameDefault(const JobField& field) const {
    switch (field.nameDefault) {
        case job_fields::NameDefault::userFullName: return NSFullUserName();
        case job_fields::NameDefault::jobOwnName: {
            const std::string* jobName = nullptr;
            if (PMPrintSettingsGetJobName(settings_, &jobName) != noErr || !jobName) return std::string();
            return *jobName;
        }
        case job_fields::NameDefault::none: break;
    }
    return std::nullopt;
}

void SettingsReader::bringDependentControlsInLine() {
    panel_.retentionCBoxProc(panel_.outlets.retentionCheckBox.get());
    panel_.folderSelectionPopUpButtonProc(panel_.outlets.folderSelectionPopup.get());
}

}  // namespace

void NelvoPrintPdeZlm420kJC::getNonPPDSettingsFromPrintSettings() {
    PDEProlog(this, "--getNonPPDSettingsFromPrintSettings:");
    PMPrintSettings settings =
        context.pdePluginCallbackObject ? context.pdePluginCallbackObject->printSettings() : nullptr;
    if (settings) SettingsReader(*this, settings, remembered).read();
    PDEEpilog(this, "--getNonPPDSettingsFromPrintSettings:");
}
