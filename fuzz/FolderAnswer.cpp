// The device's answer, from the response file into the folder list: every
// name taken is valid UTF-8 without a control character, the list is
// bounded, and the menu rebuilds from it. The input is written as the client
// writes answers, private to the user, and must be read back: an input the
// reader refused for its file's mode would test nothing.
#include "folders/FolderList.h"
#include "folders/ResponseFile.h"
#include "fuzz/FuzzSupport.h"
#include "tests/support/TestPanel.h"

namespace {

bool hasControlCharacter(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && next >= 0x80 && next <= 0x9F)) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::privateHome();
    static const auto panel = makePanel(std::make_shared<FakeHost>());
    const std::optional<std::string> path = folders::responseFilePath();
    FUZZ_EXPECT(path.has_value());
    const std::string input = fuzz_support::textOf(data, size);
    FUZZ_EXPECT(fuzz_support::writeFile(*path, input));
    FUZZ_EXPECT(folders::readOwnPrivateFile(*path) == input);
    panel->deviceFolders.folderList.reset();
    const bool listed = panel->parseXML(*path);
    // A "files" element was read: there is a list, one record per entry at
    // most, and the menu rebuilds from it.
    FUZZ_EXPECT(!listed || panel->deviceFolders.folderList);
    if (panel->deviceFolders.folderList) {
        FUZZ_EXPECT(panel->deviceFolders.folderList->size() <= size / 7);
        FUZZ_EXPECT(panel->deviceFolders.folderList->size() <= folders::kMostFolders);
        for (const FolderRecord& folder : *panel->deviceFolders.folderList) {
            FUZZ_EXPECT(fuzz_support::isValidUtf8(folder.name));
            FUZZ_EXPECT(!hasControlCharacter(folder.name));
        }
    }
    panel->makeFolderPopup();
    return 0;
}
