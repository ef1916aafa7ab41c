#include "folders/ResponseFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/UserEnvironment.h"

namespace folders {
namespace {

constexpr const char* kResponseFileName = "vwxyz.xml";
constexpr const char* kFallbackDirectory = "/tmp/";

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

bool isOwnPrivateRegularFile(int descriptor) {
    struct stat info {};
    return fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::string responseFilePath() {
    return NSTemporaryDirectory().value_or(kFallbackDirectory) + kResponseFileName;
}

std::optional<std::string> readOwnPrivateFile(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0 || !isOwnPrivateRegularFile(file.get())) return std::nullopt;
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return std::nullopt;
        if (count == 0) return contents;
        contents.append(buffer, static_cast<size_t>(count));
    }
}

}  // namespace folders
