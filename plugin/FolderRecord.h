// One of the device's custom folders, as the folder list and the remembered
// "files" array hold it.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

struct FolderRecord {
    std::string name;       // as the device sent it; the menu item's title
    bool password = false;  // protected by a pass code
    bool dir = false;       // the device's "dir" flag, kept with the record
    bool add = false;       // always false
};

using FolderList = std::vector<FolderRecord>;

// The record as a dictionary of "name", "password", "dir" and "add". Read
// back, a field that is missing or of another type (a file edited by hand may
// hold anything) reads as empty or false.
void to_json(nlohmann::json& json, const FolderRecord& folder);
void from_json(const nlohmann::json& json, FolderRecord& folder);
