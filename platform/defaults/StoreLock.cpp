#include "platform/defaults/StoreLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>

namespace defaults {

StoreLock::StoreLock(const std::filesystem::path& folder)
    : descriptor_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (descriptor_ < 0) return;
    int locked = 0;
    while ((locked = ::flock(descriptor_, LOCK_EX)) != 0 && errno == EINTR) {}
    if (locked == 0) return;
    ::close(descriptor_);
    descriptor_ = -1;
}

StoreLock::~StoreLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace defaults
