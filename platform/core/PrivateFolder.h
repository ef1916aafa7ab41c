// Folders that hold a user's private files.
#pragma once

#include <filesystem>

namespace platform {

// Makes `folder` and every missing folder above it with mode 0700, whatever
// the process's umask (an umask of 000 must not make them world-writable),
// and sets `folder` itself to 0700. Answers whether it is a folder now.
bool makePrivateFolder(const std::filesystem::path& folder);

}  // namespace platform
