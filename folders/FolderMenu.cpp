// The filing menu: its two fixed items, quick file and main folder, then a
// separator and one item per folder of the device's list; and the menu
// index of a folder by its name.
#include "controls/SystemIcon.h"
#include "platform/controls/Menus.h"
#include "platform/text/CaseFolding.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "settings/SettingsKeys.h"

namespace {

// Removing from the end keeps a rebuild linear in the number of items.
void removeListedFolders(NSMenu& menu) {
    while (menu.numberOfItems() > positions::kFixedFolderItems)
        menu.removeItemAtIndex(menu.numberOfItems() - 1);
}

void refreshFixedItems(const NelvoPrintPdeZlm420kJC& panel, NSMenu& menu) {
    for (int index = 0; index < positions::kFixedFolderItems; ++index) {
        NSMenuItem* item = menu.itemAtIndex(index);
        if (!item) continue;
        if (const auto title = panel.localizedStringValue(item->title())) item->setTitle(*title);
        item->setImage(panel.deviceFolders.spaceImage);
    }
}

void appendListedFolders(const NelvoPrintPdeZlm420kJC& panel, NSMenu& menu) {
    if (!panel.deviceFolders.folderList || panel.deviceFolders.folderList->empty()) return;
    menu.addItem(NSMenuItem::separatorItem());
    // One padlock for every protected folder of this menu.
    std::shared_ptr<NSImage> lockIcon;
    for (const FolderRecord& folder : *panel.deviceFolders.folderList) {
        auto item = std::make_unique<NSMenuItem>(folder.name, "");
        if (folder.password && !lockIcon)
            lockIcon = initWithSystemIconType(kLockedIconType, panel.context.pdeBundle.get());
        item->setImage(folder.password ? lockIcon : panel.deviceFolders.spaceImage);
        menu.addItem(std::move(item));
    }
}

}  // namespace

void NelvoPrintPdeZlm420kJC::makeFolderPopup() {
    if (!outlets.folderSelectionPopup) return;
    NSMenu& menu = outlets.folderSelectionPopup->menu();
    const int selected = outlets.folderSelectionPopup->indexOfSelectedItem();
    std::optional<std::string> shownFolder;
    const NSMenuItem* item = outlets.folderSelectionPopup->selectedItem();
    if (item && selected >= positions::kFirstListedFolderItem) shownFolder = item->title();
    removeListedFolders(menu);
    refreshFixedItems(*this, menu);
    appendListedFolders(*this, menu);
    // The shown folder stays chosen while the list still has it; otherwise
    // the main folder, the neutral choice, replaces it (the pop-up itself
    // would fall back to quick file).
    if (selected >= positions::kFixedFolderItems)
        outlets.folderSelectionPopup->selectItemAtIndex(static_cast<int>(SearchSameFolderName(shownFolder)));
}

int64_t NelvoPrintPdeZlm420kJC::SearchSameFolderName(const std::optional<std::string>& name) {
    if (!name || !deviceFolders.folderList || deviceFolders.folderList->empty()) return positions::kMainFolderItem;
    const platform::CaseInsensitiveMatch wanted(*name);
    for (std::size_t index = 0; index < deviceFolders.folderList->size(); ++index)
        if (wanted.matches((*deviceFolders.folderList)[index].name))
            return positions::kFirstListedFolderItem + static_cast<int64_t>(index);
    return positions::kMainFolderItem;
}
