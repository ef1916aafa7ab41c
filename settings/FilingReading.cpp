// The filing target: quick file or a custom folder from the print
// settings, a remembered folder name, else the main folder.
#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSTextField.h"
#include "platform/core/TextConversion.h"
#include "settings/SettingsReader.h"
#include "settings/ValueForms.h"

using namespace settings_keys;

namespace {

constexpr int kQuickFileItem = 0;
constexpr int kMainFolderItem = 1;
constexpr int kQuickFileRow = 0;
constexpr int kMainFolderRow = 1;
constexpr int kCustomFolderRow = 2;

}  // namespace

void SettingsReader::readFiling() {
    if (!panel_.folderSelectionPopup && !panel_.folderSelectionMatrix) return;
    bool lock = jobHasLock(lock_bits::kFolderName);
    bool targetSet = readFilingTarget();
    if (readRememberedFolderName(lock)) targetSet = true;
    if (!targetSet) {
        panel_.folderSelectionPopup->selectItemAtIndex(kMainFolderItem);
        panel_.folderSelectionMatrix->selectCellAtRow(kMainFolderRow, 0);
    }
    panel_.folderNameButton->setState(lock ? 1 : 0);
    panel_.folderNameButtonProc(panel_.folderNameButton.get());
}

// Whether the print settings name a target: quick file, or a custom folder
// with its path.
bool SettingsReader::readFilingTarget() {
    const auto filing = value(kFiling);
    if (!filing || filing->empty()) return false;
    if ((*filing)[0] == kFilingQuickFile) {
        panel_.folderSelectionPopup->selectItemAtIndex(kQuickFileItem);
        panel_.folderSelectionMatrix->selectCellAtRow(kQuickFileRow, 0);
        return true;
    }
    if ((*filing)[0] != kFilingCustomFolder) return false;
    const auto path = value(kFolderPath);
    if (!path) return false;
    const std::string bytes = value_forms::decodeHexText(StoredText(*path, value_buffers::kClearText));
    panel_.folderNameStringRef = platform::stringFromBytes(bytes.data(), bytes.size(), panel_.systemEncoding);
    panel_.folderSelectionPopup->selectItemAtIndex(static_cast<int>(panel_.SearchSameFolderName(panel_.folderNameStringRef)));
    panel_.folderSelectionMatrix->selectCellAtRow(kCustomFolderRow, 0);
    panel_.folderNameEditText->setStringValue(panel_.folderNameStringRef.value_or(std::string()));
    return true;
}

// Whether a remembered folder name was put into the folder-name field; it
// then comes with its lock on.
bool SettingsReader::readRememberedFolderName(bool& lock) {
    if (!panel_.folderSelectionMatrix || !takeRememberedBit(lock_bits::kFolderName)) return false;
    if (!panel_.prefFolderNameStringRef) return false;
    panel_.folderNameEditText->setStringValue(*panel_.prefFolderNameStringRef);
    lock = true;
    return true;
}
