#include "preferences/JobControlRecord.h"

#include <cmath>
#include <limits>

#include "folders/FolderList.h"

namespace job_control {
namespace {

const nlohmann::json* member(const nlohmann::json& record, const char* key) {
    if (!record.is_object()) return nullptr;
    const auto found = record.find(key);
    return found == record.end() ? nullptr : &*found;
}

}  // namespace

std::optional<nlohmann::json> recordOf(const nlohmann::json& domain) {
    const nlohmann::json* record = member(domain, kRecord);
    if (!record || !record->is_object()) return std::nullopt;
    return *record;
}

std::optional<std::string> stringValue(const nlohmann::json& record, const char* key) {
    const nlohmann::json* value = member(record, key);
    if (!value || !value->is_string()) return std::nullopt;
    return value->get<std::string>();
}

std::optional<bool> booleanValue(const nlohmann::json& record, const char* key) {
    const nlohmann::json* value = member(record, key);
    if (!value || !value->is_boolean()) return std::nullopt;
    return value->get<bool>();
}

std::optional<int32_t> int32Value(const nlohmann::json& record, const char* key) {
    const nlohmann::json* value = member(record, key);
    if (!value) return std::nullopt;
    if (value->is_number_unsigned()) {
        const uint64_t number = value->get<uint64_t>();
        if (number > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return std::nullopt;
        return static_cast<int32_t>(number);
    }
    if (value->is_number_integer()) {
        const int64_t number = value->get<int64_t>();
        if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
            return std::nullopt;
        return static_cast<int32_t>(number);
    }
    return std::nullopt;
}

std::optional<uint32_t> low32Bits(const nlohmann::json& record, const char* key) {
    const nlohmann::json* value = member(record, key);
    if (!value || !value->is_number()) return std::nullopt;
    if (value->is_number_unsigned()) return static_cast<uint32_t>(value->get<uint64_t>());
    if (value->is_number_integer()) return static_cast<uint32_t>(value->get<int64_t>());
    // A float beyond the 64-bit range has no low bits to keep.
    const double number = std::trunc(value->get<double>());
    constexpr double kBeyondInt64 = 9223372036854775808.0;
    if (!(number > -kBeyondInt64 && number < kBeyondInt64)) return 0;
    return static_cast<uint32_t>(static_cast<int64_t>(number));
}

FolderList folderListValue(const nlohmann::json& record) {
    FolderList folders;
    const nlohmann::json* files = member(record, kFiles);
    if (!files || !files->is_array()) return folders;
    for (const nlohmann::json& folder : *files)
        if (folder.is_object()) folders.push_back(folder.get<FolderRecord>());
    // A name with a control character is never shown, whoever wrote the file.
    std::erase_if(folders, [](const FolderRecord& folder) { return folders::hasControlCharacter(folder.name); });
    // A file written by an earlier version, or by hand, may hold more.
    folders::keepFirstFolders(folders, "the remembered record");
    return folders;
}

}  // namespace job_control
