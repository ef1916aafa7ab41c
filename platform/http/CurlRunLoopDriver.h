// A libcurl multi handle whose sockets and time-outs are sources and a timer
// of the calling thread's run loop: libcurl does its work inside run-loop
// turns on that thread, and nowhere else.
#pragma once

#include <curl/curl.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/runloop/FileDescriptorSource.h"
#include "platform/runloop/NSTimer.h"

namespace platform {

class CurlRunLoopDriver {
public:
    // `afterWork` runs after each piece of libcurl work, outside libcurl, so
    // it may add and remove transfers and read completions. It may also
    // destroy the driver.
    explicit CurlRunLoopDriver(std::function<void()> afterWork);
    ~CurlRunLoopDriver();
    CurlRunLoopDriver(const CurlRunLoopDriver&) = delete;
    CurlRunLoopDriver& operator=(const CurlRunLoopDriver&) = delete;

    bool valid() const { return multi_ != nullptr; }
    bool add(CURL* easy);
    void remove(CURL* easy);

    struct Completion {
        CURL* easy;
        CURLcode result;
    };
    // The next transfer that has ended, or none.
    std::optional<Completion> nextCompletion();

private:
    static int onSocket(CURL* easy, curl_socket_t socket, int what, void* driver, void* socketData);
    static int onTimer(CURLM* multi, long timeoutMilliseconds, void* driver);
    void watchSocket(curl_socket_t socket, int what);
    void scheduleTimeout(long timeoutMilliseconds);
    void act(curl_socket_t socket, int events);

    CURLM* multi_;
    std::function<void()> afterWork_;
    std::map<curl_socket_t, std::unique_ptr<FileDescriptorSource>> sockets_;
    std::shared_ptr<NSTimer> timeout_;
};

}  // namespace platform
