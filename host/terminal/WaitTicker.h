// Keeps the screen alive while the panel waits inside a handler (the folder
// fetch runs the thread's run loop until the device answers): while a
// ticker lives, `tick` is called every `interval` from the thread's run
// loop, whenever something runs it. A chain of one-shot timers, each
// scheduling the next when it fires; the ticker owns the pending one, so
// letting the ticker go takes it off the run loop.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace host {

class WaitTicker {
public:
    virtual ~WaitTicker() = default;

    static std::unique_ptr<WaitTicker> start(std::chrono::milliseconds interval, std::function<void()> tick);
};

}  // namespace host
