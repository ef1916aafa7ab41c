// The device's folder answer, from the response file into the folder list.
#include "folders/ResponseFile.h"
#include "fuzz/FuzzSupport.h"
#include "tests/support/TestPanel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_support::privateHome();
    static const auto panel = makePanel(std::make_shared<FakeHost>());
    const std::string path = folders::responseFilePath();
    fuzz_support::writeFile(path, fuzz_support::textOf(data, size));
    panel->folderList.reset();
    const bool listed = panel->parseXML(path);
    // A "files" element was read: there is a list, one record per entry at
    // most, and the menu rebuilds from it.
    FUZZ_EXPECT(!listed || panel->folderList);
    if (panel->folderList) FUZZ_EXPECT(panel->folderList->size() <= size / 7);
    panel->makeFolderPopup();
    return 0;
}
