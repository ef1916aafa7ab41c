// While a pump lives, GTK's main context is serviced from the platform's run
// loop whenever something runs that loop (the panel waiting for the device):
// first the widgets follow what the panel changed so far (the spinner shown
// and turning), then redraws, frames and a person's clicks are handled.
#pragma once

#include <functional>
#include <memory>

namespace host {

class WaitTicker;

class MainContextPump {
public:
    explicit MainContextPump(std::function<void()> followModel);
    ~MainContextPump();
    MainContextPump(const MainContextPump&) = delete;
    MainContextPump& operator=(const MainContextPump&) = delete;

private:
    std::unique_ptr<WaitTicker> ticker_;
};

}  // namespace host
