#include "folders/ResponseFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/CoreTypes.h"
#include "platform/core/RegularFile.h"
#include "platform/core/UserEnvironment.h"

namespace folders {
namespace {

constexpr const char* kResponseFileName = "vwxyz.xml";

bool isOwnPrivateRegularFile(int descriptor) {
    struct stat info {};
    return fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::optional<std::string> responseFilePath() {
    const std::optional<std::string> directory = NSTemporaryDirectory();
    if (!directory) return std::nullopt;
    return *directory + kResponseFileName;
}

std::optional<std::string> readOwnPrivateFile(const std::string& path) {
    const platform::FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0 || !isOwnPrivateRegularFile(file.get())) return std::nullopt;
    return platform::readToEnd(file.get());
}

}  // namespace folders
