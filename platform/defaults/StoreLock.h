// The defaults store's lock: held while a writer decides what to do with the
// file that is there and replaces it, so that two dialogs that found the same
// unreadable file do not both move it aside, the second taking the first
// one's fresh file with it.
#pragma once

#include <filesystem>

namespace defaults {

class StoreLock {
public:
    // Waits for the lock on `folder` (the store's folder itself is locked:
    // no file is added beside the user's).
    explicit StoreLock(const std::filesystem::path& folder);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    // Whether the lock is held.
    explicit operator bool() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};

}  // namespace defaults
