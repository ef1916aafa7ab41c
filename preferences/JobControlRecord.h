// The job-control record: the dictionary under "Job Control" in the queue's
// defaults domain, its keys, and typed reads of what a record holds (a file
// edited by hand or by another program may hold anything).
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "plugin/PanelState.h"

namespace job_control {

inline constexpr const char* kRecord = "Job Control";

inline constexpr const char* kModelName = "Model Name";
inline constexpr const char* kReleaseNumber = "Release Number";
inline constexpr const char* kHoldButton = "hold button";
inline constexpr const char* kAuthentication = "authentication";
// Each locked field's value is kept under the key that its descriptor names
// (settings/JobFields.h).
inline constexpr const char* kAddress = "address";
inline constexpr const char* kFiles = "files";

// The release whose records this panel reads; any other is reset.
inline constexpr const char* kCurrentRelease = "2.00";

// The record of a domain, when the domain holds one that is a dictionary.
std::optional<nlohmann::json> recordOf(const nlohmann::json& domain);

// A key's value when it has the type asked for; none otherwise.
std::optional<std::string> stringValue(const nlohmann::json& record, const char* key);
std::optional<bool> booleanValue(const nlohmann::json& record, const char* key);
// Only a number that is exactly a signed 32-bit integer (not 1.0, not 2^31).
std::optional<int32_t> int32Value(const nlohmann::json& record, const char* key);
// Any number, cut to its low 32 bits as a 32-bit integer conversion keeps them
// (a fraction is dropped first); none for what is no number.
std::optional<uint32_t> low32Bits(const nlohmann::json& record, const char* key);

// The folder records of "files"; entries that are not dictionaries are
// skipped and fields of another type read as empty or false.
FolderList folderListValue(const nlohmann::json& record);

}  // namespace job_control
