// A file descriptor watched by the calling thread's run loop: its handler is
// called on that thread with the poll() events that occurred, for as long as
// the source object lives.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class NSRunLoop;

namespace platform {

class FileDescriptorSource {
public:
    using Handler = std::function<void(short revents)>;

    // Watches `descriptor` for `events` (POLLIN, POLLOUT; errors and hang-ups
    // always reach the handler). The descriptor stays the caller's.
    FileDescriptorSource(int descriptor, short events, Handler handler);
    ~FileDescriptorSource();
    FileDescriptorSource(const FileDescriptorSource&) = delete;
    FileDescriptorSource& operator=(const FileDescriptorSource&) = delete;

    void setEvents(short events);
    int descriptor() const { return descriptor_; }

private:
    int descriptor_;
    std::weak_ptr<NSRunLoop> runLoop_;
    uint64_t id_;
};

}  // namespace platform
