#include "host/gtk/UserOperations.h"

#include "host/gtk/MainContextPump.h"

namespace host {

UserOperations::UserOperations(std::function<void()> followModel) : followModel_(std::move(followModel)) {}

platform::UserResult UserOperations::run(const std::function<platform::UserResult()>& operation) {
    if (busy_) {
        lastResult_ = platform::UserResult::disabled;
        followModel_();
        return *lastResult_;
    }
    busy_ = true;
    {
        const MainContextPump pump(followModel_);
        lastResult_ = operation();
    }
    busy_ = false;
    followModel_();
    return *lastResult_;
}

}  // namespace host
