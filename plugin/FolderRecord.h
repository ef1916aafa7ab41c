// One of the device's custom folders, as the folder list and the remembered
// "files" array hold it.
#pragma once

#include <string>
#include <vector>

struct FolderRecord {
    std::string name;       // as the device sent it; the menu item's title
    bool password = false;  // protected by a pass code
    bool dir = false;       // the device's "dir" flag, kept with the record
    bool add = false;       // always false
};

using FolderList = std::vector<FolderRecord>;
