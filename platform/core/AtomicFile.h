// Replacing a file so that a crash leaves the old contents or the new ones,
// never a torn file, and no stray copy once a later write succeeds.
#pragma once

#include <sys/types.h>
#include <filesystem>
#include <string_view>

namespace platform {

// What a write does with temporary copies that earlier writers of the same
// file left when they were killed. Only copies that are this user's,
// private and unlocked are ever removed, so a caller may ask for it wherever
// its file's copies could hold secrets (the defaults store, a settings file).
enum class StaleTemporaries { keep, remove };

// Writes `contents` to a temporary file "<path>.XXXXXX" created with `mode`,
// flushes it to the disk, renames it over `path` and flushes the folder, so
// the replacement survives a power loss. The temporary file is locked while
// it exists, which tells a live writer's copy from a dead one's. Answers
// whether the new file is in place; on failure `path` is untouched, the
// temporary file gone, and errno tells why.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents, mode_t mode = 0600,
                         StaleTemporaries stale = StaleTemporaries::keep);

// Removes the temporary copies of `path` whose writer is gone: files named
// "<path>.XXXXXX" (six letters or digits, as mkstemp makes them) that are
// this user's, private, and not locked by a writer.
void removeStaleTemporaries(const std::filesystem::path& path);

}  // namespace platform
