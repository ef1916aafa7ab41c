// An open file descriptor that is closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace platform {

class FileDescriptor {
public:
    // Takes `descriptor` as returned by open(2): negative means none.
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

}  // namespace platform
