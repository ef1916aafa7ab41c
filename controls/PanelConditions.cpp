#include "controls/PanelConditions.h"

#include "platform/controls/Buttons.h"
#include "platform/controls/Menus.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

namespace controls {

bool retentionOn(const NelvoPrintPdeZlm420kJC& panel) {
    return panel.outlets.retentionCheckBox->state() != 0;
}

bool quickFileChosen(const NelvoPrintPdeZlm420kJC& panel) {
    const bool inPopUp = panel.outlets.folderSelectionPopup &&
                         panel.outlets.folderSelectionPopup->indexOfSelectedItem() == positions::kQuickFileItem;
    const bool inMatrix = panel.outlets.folderSelectionMatrix &&
                          panel.outlets.folderSelectionMatrix->selectedRow() == positions::kQuickFileRow;
    return inPopUp || inMatrix;
}

bool customFolderRowChosen(const NelvoPrintPdeZlm420kJC& panel) {
    return panel.outlets.folderSelectionMatrix &&
           panel.outlets.folderSelectionMatrix->selectedRow() == positions::kCustomFolderRow;
}

bool listedFolderNeedsPassCode(const NelvoPrintPdeZlm420kJC& panel) {
    if (!panel.outlets.folderSelectionPopup || !panel.deviceFolders.folderList) return false;
    const int index = panel.outlets.folderSelectionPopup->indexOfSelectedItem();
    if (index < positions::kFirstListedFolderItem) return false;
    const auto position = static_cast<std::size_t>(index - positions::kFirstListedFolderItem);
    return position < panel.deviceFolders.folderList->size() && (*panel.deviceFolders.folderList)[position].password;
}

bool folderPassCodeWanted(const NelvoPrintPdeZlm420kJC& panel) {
    return listedFolderNeedsPassCode(panel) || customFolderRowChosen(panel);
}

bool loginNameMode(const NelvoPrintPdeZlm420kJC& panel) {
    return panel.outlets.authenticationMatrix->selectedRow() == positions::kLoginNameRow;
}

}  // namespace controls
