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
        item->setImage(panel.spaceImage);
    }
}

void appendListedFolders(const NelvoPrintPdeZlm420kJC& panel, NSMenu& menu) {
    if (!panel.folderList || panel.folderList->empty()) return;
    menu.addItem(NSMenuItem::separatorItem());
    // One padlock for every protected folder of this menu.
    std::shared_ptr<NSImage> lockIcon;
    for (const FolderRecord& folder : *panel.folderList) {
        auto item = std::make_unique<NSMenuItem>(folder.name, "");
        if (folder.password && !lockIcon) lockIcon = initWithSystemIconType(kLockedIconType, panel.pdeBundle.get());
        item->setImage(folder.password ? lockIcon : panel.spaceImage);
        menu.addItem(std::move(item));
    }
}

}  // namespace

void NelvoPrintPdeZlm420kJC::makeFolderPopup() {
    if (!folderSelectionPopup) return;
    NSMenu& menu = folderSelectionPopup->menu();
    const int selected = folderSelectionPopup->indexOfSelectedItem();
    std::optional<std::string> shownFolder;
    const NSMenuItem* item = folderSelectionPopup->selectedItem();
    if (item && selected >= positions::kFirstListedFolderItem) shownFolder = item->title();
    removeListedFolders(menu);
    refreshFixedItems(*this, menu);
    appendListedFolders(*this, menu);
    // The shown folder stays chosen while the list still has it; otherwise
    // the main folder, the neutral choice, replaces it (the pop-up itself
    // would fall back to quick file).
    if (selected >= positions::kFixedFolderItems)
        folderSelectionPopup->selectItemAtIndex(static_cast<int>(SearchSameFolderName(shownFolder)));
}

int64_t NelvoPrintPdeZlm420kJC::SearchSameFolderName(const std::optional<std::string>& name) {
    if (!name || !folderList || folderList->empty()) return positions::kMainFolderItem;
    const platform::CaseInsensitiveMatch wanted(*name);
    for (std::size_t index = 0; index < folderList->size(); ++index)
        if (wanted.matches((*folderList)[index].name))
            return positions::kFirstListedFolderItem + static_cast<int64_t>(index);
    return positions::kMainFolderItem;
}
