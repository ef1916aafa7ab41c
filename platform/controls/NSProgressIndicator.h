// A spinning progress indicator, shown while a request runs.
#pragma once

#include "platform/controls/NSControl.h"

class NSProgressIndicator : public NSControl {
public:
    NSProgressIndicator() = default;
    ~NSProgressIndicator() override;
    const char* className() const override;

    static NSProgressIndicator& absent();

    bool isAnimating() const { return animating_; }
    void startAnimation();
    void stopAnimation();

private:
    explicit NSProgressIndicator(InertTag tag) : NSControl(tag) {}

    bool animating_ = false;
};
