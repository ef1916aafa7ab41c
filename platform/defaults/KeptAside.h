// Copies of defaults files that could not be read, kept beside them rather
// than written over: "<file>.corrupt", "<file>.corrupt.1", ... oldest first.
#pragma once

#include <cstddef>
#include <filesystem>

namespace defaults {

// Enough to look back at what went wrong, few enough that a file that keeps
// breaking cannot fill the folder or block the store.
constexpr int kMostKeptAside = 5;
static_assert(kMostKeptAside <= 10, "the copies' numbers are one digit");
// The longest name a copy adds to its file's: ".corrupt.4".
constexpr std::size_t kLongestKeptAsideSuffix = sizeof(".corrupt.") - 1 + 1;

// Moves `file` aside as the newest copy. The kMostKeptAside - 1 newest
// earlier copies stay, renumbered from ".corrupt" up in their order; older
// ones are removed. The caller holds the store's lock. Answers whether the
// file was moved.
bool keepAside(const std::filesystem::path& file);

}  // namespace defaults
