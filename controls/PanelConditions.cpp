#include "controls/PanelConditions.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace controls {

bool retentionOn(const NelvoPrintPdeZlm420kJC& panel) {
    return panel.retentionCheckBox->state() != 0;
}

bool quickFileChosen(const NelvoPrintPdeZlm420kJC& panel) {
    const bool inPopUp =
        panel.folderSelectionPopup && panel.folderSelectionPopup->indexOfSelectedItem() == positions::kQuickFileItem;
    const bool inMatrix =
        panel.folderSelectionMatrix && panel.folderSelectionMatrix->selectedRow() == positions::kQuickFileRow;
    return inPopUp || inMatrix;
}

bool customFolderRowChosen(const NelvoPrintPdeZlm420kJC& panel) {
    return panel.folderSelectionMatrix && panel.folderSelectionMatrix->selectedRow() == positions::kCustomFolderRow;
}

bool listedFolderNeedsPassCode(const NelvoPrintPdeZlm420kJC& panel) {
    if (!panel.folderSelectionPopup || !panel.folderList) return false;
    const int index = panel.folderSelectionPopup->indexOfSelectedItem();
    if (index < positions::kFirstListedFolderItem) return false;
    const auto position = static_cast<std::size_t>(index - positions::kFirstListedFolderItem);
    return position < panel.folderList->size() && (*panel.folderList)[position].password;
}

bool folderPassCodeWanted(const NelvoPrintPdeZlm420kJC& panel) {
    return listedFolderNeedsPassCode(panel) || customFolderRowChosen(panel);
}

bool loginNameMode(const NelvoPrintPdeZlm420kJC& panel) {
    return panel.authenticationMatrix->selectedRow() == positions::kLoginNameRow;
}

}  // namespace controls
