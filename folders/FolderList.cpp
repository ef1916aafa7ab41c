#include "folders/FolderList.h"

#include <iostream>
#include <nlohmann/json.hpp>

void to_json(nlohmann::json& json, const FolderRecord& folder) {
    json = {{"name", folder.name}, {"password", folder.password}, {"dir", folder.dir}, {"add", folder.add}};
}

void from_json(const nlohmann::json& json, FolderRecord& folder) {
    const auto flag = [&json](const char* key) {
        const auto found = json.find(key);
        return found != json.end() && found->is_boolean() && found->get<bool>();
    };
    const auto name = json.find("name");
    folder.name = name != json.end() && name->is_string() ? name->get<std::string>() : std::string();
    folder.password = flag("password");
    folder.dir = flag("dir");
    folder.add = flag("add");
}

namespace folders {

void keepFirstFolders(FolderList& list, const char* source) {
    if (list.size() <= kMostFolders) return;
    std::cerr << "folders: " << source << " lists " << list.size() << " folders; only the first " << kMostFolders
              << " are kept\n";
    list.resize(kMostFolders);
}

bool hasControlCharacter(const std::string& name) {
    for (size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        // U+0080-U+009F: 0xC2 then 0x80-0x9F; in valid UTF-8 0xC2 only leads.
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) return true;
    }
    return false;
}

}  // namespace folders
