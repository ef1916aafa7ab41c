// The run loop of a thread: it waits in poll() for the file descriptors that
// its sources watch and for the next timer, and calls their handlers on the
// thread that runs it. Each thread has its own; nothing in it is shared
// between threads, so it takes no locks, and timers and sources must be made,
// changed and let go on the thread whose run loop they belong to.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/runloop/NSDate.h"

class NSTimer;
namespace platform {
class FileDescriptorSource;
}

class NSRunLoop : public std::enable_shared_from_this<NSRunLoop> {
public:
    // The run loop of the calling thread, made on first use.
    static NSRunLoop& currentRunLoop();

    NSRunLoop() = default;
    NSRunLoop(const NSRunLoop&) = delete;
    NSRunLoop& operator=(const NSRunLoop&) = delete;

    // Handles timers and sources until `limitDate`. Returns at once when
    // nothing is attached, and as soon as the last timer or source is gone.
    void runUntilDate(NSDate limitDate);

    // One turn: waits until at least one timer or source has been handled, or
    // until `limitDate`, and answers whether anything was handled. Answers
    // NO at once when nothing is attached. A caller that waits for an event
    // runs turns until its condition holds, and so notices it at once.
    bool runBeforeDate(NSDate limitDate);

    bool hasAttachments() const { return !timers_.empty() || !sources_.empty(); }

private:
    friend class NSTimer;
    friend class platform::FileDescriptorSource;

    using Handler = std::function<void(short revents)>;

    struct TimerEntry {
        NSDate fireDate;
        std::weak_ptr<NSTimer> timer;
    };
    struct SourceEntry {
        int descriptor;
        short events;
        std::shared_ptr<Handler> handler;
    };

    uint64_t addTimer(NSDate fireDate, std::weak_ptr<NSTimer> timer);
    void removeTimer(uint64_t id);
    uint64_t addSource(int descriptor, short events, std::shared_ptr<Handler> handler);
    void setSourceEvents(uint64_t id, short events);
    void removeSource(uint64_t id);

    // How long poll() may wait: until the limit or the next timer.
    int pollTimeoutMilliseconds(NSDate limitDate) const;
    bool dispatchReadySources(int timeoutMilliseconds);
    bool fireDueTimers();

    uint64_t nextId_ = 1;
    // Keyed by an increasing id, so that timers due at the same instant fire
    // in the order they were scheduled.
    std::map<uint64_t, TimerEntry> timers_;
    std::map<uint64_t, SourceEntry> sources_;
};
