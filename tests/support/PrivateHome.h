// A home of the process's own for tests and fuzz targets, so that nothing
// they write reaches the user's defaults or temporary files.
#pragma once

#include <filesystem>
#include <string>

// Makes a fresh folder in the system's temporary directory, named after
// `prefix`, with config/ and tmp/ inside, and points HOME, XDG_CONFIG_HOME
// and TMPDIR there. Gives the folder, or an empty path when none could be
// made.
std::filesystem::path enterPrivateHome(const std::string& prefix);
