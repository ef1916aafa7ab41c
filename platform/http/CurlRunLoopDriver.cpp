#include "platform/http/CurlRunLoopDriver.h"

#include <poll.h>
#include <utility>

namespace platform {
namespace {

short pollEventsOf(int what) {
    short events = 0;
    if (what == CURL_POLL_IN || what == CURL_POLL_INOUT) events |= POLLIN;
    if (what == CURL_POLL_OUT || what == CURL_POLL_INOUT) events |= POLLOUT;
    return events;
}

int curlEventsOf(short revents) {
    int events = 0;
    // A hang-up is read as the end of the data, which libcurl sees by reading.
    if (revents & (POLLIN | POLLHUP)) events |= CURL_CSELECT_IN;
    if (revents & POLLOUT) events |= CURL_CSELECT_OUT;
    if (revents & (POLLERR | POLLNVAL)) events |= CURL_CSELECT_ERR;
    return events;
}

}  // namespace

CurlRunLoopDriver::CurlRunLoopDriver(std::function<void()> afterWork)
    : multi_(curl_multi_init()), afterWork_(std::move(afterWork)) {
    if (!multi_) return;
    curl_multi_setopt(multi_, CURLMOPT_SOCKETFUNCTION, &CurlRunLoopDriver::onSocket);
    curl_multi_setopt(multi_, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi_, CURLMOPT_TIMERFUNCTION, &CurlRunLoopDriver::onTimer);
    curl_multi_setopt(multi_, CURLMOPT_TIMERDATA, this);
}

CurlRunLoopDriver::~CurlRunLoopDriver() {
    if (multi_) curl_multi_cleanup(multi_);
}

bool CurlRunLoopDriver::add(CURL* easy) {
    return multi_ && curl_multi_add_handle(multi_, easy) == CURLM_OK;
}

void CurlRunLoopDriver::remove(CURL* easy) {
    if (multi_) curl_multi_remove_handle(multi_, easy);
}

std::optional<CurlRunLoopDriver::Completion> CurlRunLoopDriver::nextCompletion() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &queued))
        if (message->msg == CURLMSG_DONE) return Completion{message->easy_handle, message->data.result};
    return std::nullopt;
}

int CurlRunLoopDriver::onSocket(CURL* /*easy*/, curl_socket_t socket, int what, void* driver, void* /*socketData*/) {
    static_cast<CurlRunLoopDriver*>(driver)->watchSocket(socket, what);
    return 0;
}

int CurlRunLoopDriver::onTimer(CURLM* /*multi*/, long timeoutMilliseconds, void* driver) {
    static_cast<CurlRunLoopDriver*>(driver)->scheduleTimeout(timeoutMilliseconds);
    return 0;
}

void CurlRunLoopDriver::watchSocket(curl_socket_t socket, int what) {
    if (what == CURL_POLL_REMOVE) {
        sockets_.erase(socket);
        return;
    }
    const short events = pollEventsOf(what);
    if (const auto watched = sockets_.find(socket); watched != sockets_.end()) {
        watched->second->setEvents(events);
        return;
    }
    sockets_.emplace(socket, std::make_unique<FileDescriptorSource>(socket, events, [this, socket](short revents) {
                         act(socket, curlEventsOf(revents));
                     }));
}

// libcurl asks not to be called back from inside this callback, so the
// time-out only schedules a timer; the work happens when it fires.
void CurlRunLoopDriver::scheduleTimeout(long timeoutMilliseconds) {
    if (timeoutMilliseconds < 0) {
        timeout_.reset();
        return;
    }
    timeout_ = NSTimer::scheduledTimerWithTimeInterval(static_cast<double>(timeoutMilliseconds) / 1000.0,
                                                       [this](NSTimer&) { act(CURL_SOCKET_TIMEOUT, 0); });
}

void CurlRunLoopDriver::act(curl_socket_t socket, int events) {
    int running = 0;
    curl_multi_socket_action(multi_, socket, events, &running);
    // A copy: the work may destroy this driver, and with it afterWork_.
    const std::function<void()> afterWork = afterWork_;
    if (afterWork) afterWork();
}

}  // namespace platform
