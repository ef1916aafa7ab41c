// How many folders the panel keeps: what one answer, or one remembered
// record, may bring into the folder menu and the defaults store.
#pragma once

#include <cstddef>

#include "plugin/FolderRecord.h"

namespace folders {

// Far more than a device's custom folders; a list beyond it is a hostile or
// broken answer, and every later dialog for the queue would pay for it.
inline constexpr std::size_t kMostFolders = 1000;

// Keeps the first kMostFolders records of `list` and says on standard error
// how many were dropped from `source` (the device's answer, a defaults file).
void keepFirstFolders(FolderList& list, const char* source);

}  // namespace folders
