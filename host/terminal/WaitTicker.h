// Keeps the screen alive while the panel waits inside a handler (the folder
// fetch runs the thread's run loop until the device answers): while a
// ticker lives, `tick` is called every `interval` from the run loop, on
// this thread, each time the loop runs.
//
// Built on the platform's run loop where the platform has one
// (RunLoopWaitTicker.cpp); without it the ticker never ticks
// (InertWaitTicker.cpp) and the screen shows what it showed when the
// handler began. The build picks the file.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

class WaitTicker {
public:
    virtual ~WaitTicker() = default;

    static std::unique_ptr<WaitTicker> start(std::chrono::milliseconds interval, std::function<void()> tick);
};
