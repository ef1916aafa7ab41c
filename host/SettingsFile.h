// The job's print settings kept in a file between dialogs: one JSON object
// of strings.
#pragma once

#include <filesystem>

#include "platform/core/PrintingFramework.h"

namespace host {

// Fills `settings` from the file when it exists. Throws UsageError when the
// file cannot be read or is not a JSON object of strings.
void readSettingsFile(const std::filesystem::path& path, platform::PrintSettings& settings);

// Replaces the file with the settings, atomically and readable by the user
// alone: the job's settings hold enciphered credentials. Throws UsageError.
void writeSettingsFile(const std::filesystem::path& path, const platform::PrintSettings& settings);

}  // namespace host
