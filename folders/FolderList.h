// What a folder list may hold, whether it comes from the device's answer or
// from a remembered record: how many folders are kept, and which names can
// be shown. (The record itself, and its dictionary form, are declared with
// the panel's state: plugin/PanelState.h.)
#pragma once

#include <cstddef>
#include <string>

#include "plugin/PanelState.h"

namespace folders {

// Far more than a device's custom folders; a list beyond it is a hostile or
// broken answer, and every later dialog for the queue would pay for it.
inline constexpr std::size_t kMostFolders = 1000;

// Keeps the first kMostFolders records of `list` and says on standard error
// how many were dropped from `source` (the device's answer, a defaults file).
void keepFirstFolders(FolderList& list, const char* source);

// Whether the UTF-8 `name` holds a C0 or C1 control character or DEL
// (U+0000-U+001F, U+007F-U+009F), tab and line breaks included: such a name
// is never shown as a menu item's title.
bool hasControlCharacter(const std::string& name);

}  // namespace folders
