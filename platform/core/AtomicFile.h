// Replacing a file so that a crash leaves the old contents or the new ones,
// never a torn file.
#pragma once

#include <filesystem>
#include <string_view>
#include <sys/types.h>

namespace platform {

// Writes `contents` to a temporary file beside `path` created with `mode`,
// flushes it to the disk and renames it over `path`. Answers whether the new
// file is in place; on failure `path` is untouched and the temporary file gone.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode = 0600);

}  // namespace platform
