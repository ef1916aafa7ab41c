#include "platform/runloop/NSRunLoop.h"

#include <poll.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <utility>
#include <vector>

#include "platform/runloop/NSTimer.h"

NSRunLoop& NSRunLoop::currentRunLoop() {
    // Owned by the thread; timers and sources hold it weakly so that one that
    // outlives its thread's run loop does not reach into a gone object.
    thread_local const std::shared_ptr<NSRunLoop> runLoop = std::make_shared<NSRunLoop>();
    return *runLoop;
}

void NSRunLoop::runUntilDate(NSDate limitDate) {
    while (hasAttachments() && NSDate::date() < limitDate)
        runBeforeDate(limitDate);
}

bool NSRunLoop::runBeforeDate(NSDate limitDate) {
    if (!hasAttachments()) return false;
    for (;;) {
        if (fireDueTimers()) return true;
        const bool handled = dispatchReadySources(pollTimeoutMilliseconds(limitDate));
        if (fireDueTimers() || handled) return true;
        if (NSDate::date() >= limitDate || !hasAttachments()) return false;
    }
}

int NSRunLoop::pollTimeoutMilliseconds(NSDate limitDate) const {
    NSDate wakeDate = limitDate;
    for (const auto& [id, entry] : timers_)
        wakeDate = std::min(wakeDate, entry.fireDate);
    const auto remaining = wakeDate.timePoint() - NSDate::Clock::now();
    if (remaining <= NSDate::Clock::duration::zero()) return 0;
    // Rounded up, so that a wake-up never comes before the timer is due.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
    return static_cast<int>(std::min<decltype(milliseconds)>(milliseconds, INT_MAX));
}

bool NSRunLoop::dispatchReadySources(int timeoutMilliseconds) {
    std::vector<pollfd> descriptors;
    std::vector<uint64_t> ids;
    descriptors.reserve(sources_.size());
    ids.reserve(sources_.size());
    for (const auto& [id, entry] : sources_) {
        descriptors.push_back(pollfd{entry.descriptor, entry.events, 0});
        ids.push_back(id);
    }
    const int ready = ::poll(descriptors.data(), descriptors.size(), timeoutMilliseconds);
    if (ready <= 0) return false;  // time-out, or a signal (EINTR): the caller looks again

    bool handled = false;
    for (size_t i = 0; i < descriptors.size(); ++i) {
        if (descriptors[i].revents == 0) continue;
        // An earlier handler of this turn may have removed the source.
        const auto entry = sources_.find(ids[i]);
        if (entry == sources_.end()) continue;
        // The copy keeps the handler alive should it remove its own source.
        const std::shared_ptr<Handler> handler = entry->second.handler;
        (*handler)(descriptors[i].revents);
        handled = true;
    }
    return handled;
}

bool NSRunLoop::fireDueTimers() {
    const NSDate now = NSDate::date();
    std::vector<uint64_t> due;
    for (const auto& [id, entry] : timers_)
        if (entry.fireDate <= now) due.push_back(id);
    std::stable_sort(due.begin(), due.end(),
                     [this](uint64_t a, uint64_t b) { return timers_.at(a).fireDate < timers_.at(b).fireDate; });

    bool fired = false;
    for (const uint64_t id : due) {
        // An earlier timer of this turn may have invalidated this one.
        const auto entry = timers_.find(id);
        if (entry == timers_.end()) continue;
        const std::shared_ptr<NSTimer> timer = entry->second.timer.lock();
        timers_.erase(entry);
        if (!timer) continue;  // its owner let it go
        timer->fire();
        fired = true;
    }
    return fired;
}

uint64_t NSRunLoop::addTimer(NSDate fireDate, std::weak_ptr<NSTimer> timer) {
    const uint64_t id = nextId_++;
    timers_.emplace(id, TimerEntry{fireDate, std::move(timer)});
    return id;
}

void NSRunLoop::removeTimer(uint64_t id) {
    timers_.erase(id);
}

uint64_t NSRunLoop::addSource(int descriptor, short events, std::shared_ptr<Handler> handler) {
    const uint64_t id = nextId_++;
    sources_.emplace(id, SourceEntry{descriptor, events, std::move(handler)});
    return id;
}

void NSRunLoop::setSourceEvents(uint64_t id, short events) {
    if (const auto entry = sources_.find(id); entry != sources_.end()) entry->second.events = events;
}

void NSRunLoop::removeSource(uint64_t id) {
    sources_.erase(id);
}
