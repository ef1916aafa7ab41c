// Reading a file that must be an ordinary file. A folder, a FIFO or a device
// where a file is expected is refused before anything is read: reading a
// folder fails in ways the stream library reports as exceptions, and
// opening a FIFO would wait for a writer that never comes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Whether `path` names a regular file (symbolic links followed).
bool isRegularFile(const std::filesystem::path& path);

// The whole contents of the regular file at `path`; none when it is missing,
// is anything but a regular file, or cannot be read.
std::optional<std::string> readRegularFile(const std::filesystem::path& path);

// Everything left to read from the open `descriptor`; none on a read error.
std::optional<std::string> readToEnd(int descriptor);

}  // namespace platform
