#include "folders/FolderListLimit.h"

#include <iostream>

namespace folders {

void keepFirstFolders(FolderList& list, const char* source) {
    if (list.size() <= kMostFolders) return;
    std::cerr << "folders: " << source << " lists " << list.size() << " folders; only the first " << kMostFolders
              << " are kept\n";
    list.resize(kMostFolders);
}

}  // namespace folders
