#include "plugin/FolderRecord.h"

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
