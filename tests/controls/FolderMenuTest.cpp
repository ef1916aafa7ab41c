// The filing menu rebuilt from the folder list, and folders found by name.
#include <gtest/gtest.h>

#include <fstream>

#include "folders/ResponseFile.h"
#include "platform/controls/Menus.h"
#include "tests/controls/PanelFixture.h"

namespace {

using FolderMenu = PanelTest;

// Each item as "title [image]", a separator as "---".
std::vector<std::string> itemsOf(const NSPopUpButton& popUp) {
    std::vector<std::string> items;
    for (int index = 0; index < popUp.numberOfItems(); ++index) {
        const NSMenuItem* item = popUp.itemAtIndex(index);
        items.push_back(item->isSeparatorItem()
                            ? "---"
                            : item->title() + " [" + (item->image() ? item->image()->name() : "") + "]");
    }
    return items;
}

TEST_F(FolderMenu, ShowsTheFixedItemsASeparatorAndTheFoldersInListOrder) {
    listThreeFolders();
    EXPECT_EQ(itemsOf(*panel->outlets.folderSelectionPopup),
              (std::vector<std::string>{"Quick File [space]", "Main Folder [space]", "---", "Public [space]",
                                        "Sales [lock]", "Archive [space]"}));
    panel->deviceFolders.folderList = FolderList{};
    panel->makeFolderPopup();
    EXPECT_EQ(panel->outlets.folderSelectionPopup->numberOfItems(), 2) << "no separator without folders";
}

// A fetch from no address reads the response file left by an earlier one.
void fetchListing(NelvoPrintPdeZlm420kJC& panel, const std::string& files) {
    std::ofstream(*folders::responseFilePath()) << "<e><b><r><files>" + files + "</files></r></b></e>";
    panel.outlets.printersAddressEditText->setStringValue("");
    panel.getFolderNameButtonProc(panel.outlets.getFolderNameButton.get());
}

TEST_F(FolderMenu, AFetchKeepsTheShownFolderWhileListedAndTheFolderPassCodeFollows) {
    const std::string sales = "<f><name>Sales</name><password>true</password></f>";
    click(panel->outlets.retentionCheckBox);
    fetchListing(*panel, "<f><name>Public</name></f>" + sales);
    choose(panel->outlets.folderSelectionPopup, 4);
    ASSERT_TRUE(usable(panel->outlets.folderPasswordEditText));

    fetchListing(*panel, "<f><name>New</name></f><f><name>Public</name></f>" + sales);
    EXPECT_EQ(panel->outlets.folderSelectionPopup->indexOfSelectedItem(), 5);
    EXPECT_TRUE(usable(panel->outlets.folderPasswordEditText));
    fetchListing(*panel, "<f><name>Public</name></f>");
    EXPECT_EQ(panel->outlets.folderSelectionPopup->indexOfSelectedItem(), 1) << "not quick file";
    EXPECT_TRUE(dimmed(panel->outlets.folderPasswordEditText));

    choose(panel->outlets.folderSelectionPopup, 0);
    fetchListing(*panel, "");
    EXPECT_EQ(panel->outlets.folderSelectionPopup->indexOfSelectedItem(), 0) << "a fixed item stays chosen";
}

TEST_F(FolderMenu, FindsAFolderByNameWhateverItsLetterCase) {
    EXPECT_EQ(panel->SearchSameFolderName("Public"), 1) << "no list";
    listThreeFolders();
    panel->deviceFolders.folderList->push_back({"B\u00FCro", false, false, false});
    panel->deviceFolders.folderList->push_back({"Stra\u00DFe", false, false, false});
    EXPECT_EQ(panel->SearchSameFolderName("archive"), 5);
    EXPECT_EQ(panel->SearchSameFolderName("B\u00DCRO"), 6);
    EXPECT_EQ(panel->SearchSameFolderName("STRASSE"), 1) << "simple case mapping: one character to one";
    EXPECT_EQ(panel->SearchSameFolderName(std::nullopt), 1);
}

}  // namespace
