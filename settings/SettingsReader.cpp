#include "settings/SettingsReader.h"

#include <climits>
#include <cstdlib>

#include "platform/controls/NSButton.h"
#include "platform/controls/NSButtonCell.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/core/TextConversion.h"
#include "plugin/Logging.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/SettingsKeys.h"

using namespace settings_keys;

namespace {

// A decimal integer as the platform's strings read one: leading spaces, an
// optional sign, the digits that follow (0 without any), saturated to the
// 32-bit range.
int32_t integerValue(const std::string& text) {
    const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (parsed > INT32_MAX) return INT32_MAX;
    if (parsed < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(parsed);
}

}  // namespace

void NelvoPrintPdeZlm420kJC::getNonPPDSettingsFromPrintSettings() {
    PDEProlog(this, "--getNonPPDSettingsFromPrintSettings:");
    PMPrintSettings settings = pdePluginCallbackObject ? pdePluginCallbackObject->printSettings() : nullptr;
    if (settings) SettingsReader(*this, settings).read();
    PDEEpilog(this, "--getNonPPDSettingsFromPrintSettings:");
}

SettingsReader::SettingsReader(NelvoPrintPdeZlm420kJC& panel, PMPrintSettings settings)
    : panel_(panel), settings_(settings) {}

void SettingsReader::read() {
    readLockMask();
    selectRetentionMode(readRetention());
    readSecretField(reader_fields::kPassCode);
    readFiling();
    readAuthentication();
    readLoginName();
    readSecretField(reader_fields::kPassword);
    readSecretField(reader_fields::kUserNumber);
    readSecretField(reader_fields::kAccountNumber);
    panel_.authenticationMatrixProc(panel_.authenticationMatrix.get());
    readName(reader_fields::kUserName);
    readName(reader_fields::kJobName);
    readSecretField(reader_fields::kFolderPassCode);
    bringDependentControlsInLine();
}

std::optional<std::string> SettingsReader::value(const char* key) const {
    const std::string* stored = nullptr;
    if (PMPrintSettingsGetValue(settings_, key, &stored) != noErr || !stored) return std::nullopt;
    return *stored;
}

bool SettingsReader::takeRememberedBit(uint32_t bit) {
    const bool set = (panel_.prefHoldButtonFlag & bit) != 0;
    panel_.prefHoldButtonFlag &= ~bit;
    return set;
}

bool SettingsReader::jobHasLock(uint32_t bit) const { return (panel_.presetHoldButtonFlag & bit) != 0; }

std::string SettingsReader::textFromBytes(const std::string& bytes) const {
    return platform::stringFromBytes(bytes.data(), bytes.size(), panel_.systemEncoding).value_or(std::string());
}

void SettingsReader::readLockMask() {
    // The job's mask stays for later restores when a job carries none.
    if (const auto mask = value(kHoldButton)) panel_.presetHoldButtonFlag = static_cast<uint32_t>(integerValue(*mask));
}

// 0 off, else the hold-mode row + 1.
int SettingsReader::readRetention() {
    if (!panel_.retentionCheckBox) return 0;
    int code = 0;
    if (const auto suspend = value(kJobSuspend); suspend && !suspend->empty()) {
        switch ((*suspend)[0]) {
            case '1': code = 2; break;
            case '2': code = 1; break;
            case '3': code = 3; break;
            default: break;
        }
    }
    panel_.retentionCheckBox->setState(code != 0 ? 1 : 0);
    panel_.retentionCBoxProc(panel_.retentionCheckBox.get());
    return code;
}

void SettingsReader::selectRetentionMode(int code) {
    if (panel_.suspendMatrix) panel_.suspendMatrix->selectCellAtRow(code != 0 ? code - 1 : 0, 0);
}

void SettingsReader::readAuthentication() {
    if (!panel_.authenticationMatrix) return;
    bool loginName = true;
    if ((panel_.prefHoldButtonFlag & lock_bits::kAuthenticationGroup) != 0 && panel_.prefAuthenticationBooleanRef) {
        loginName = *panel_.prefAuthenticationBooleanRef;
    } else if (const auto method = value(kAuthentication)) {
        loginName = method->empty() || (*method)[0] == '1';
    }
    panel_.authenticationMatrix->selectCellAtRow(loginName ? 0 : 1, 0);
}

void SettingsReader::bringDependentControlsInLine() {
    panel_.retentionCBoxProc(panel_.retentionCheckBox.get());
    panel_.folderSelectionPopUpButtonProc(panel_.folderSelectionPopup.get());
}
