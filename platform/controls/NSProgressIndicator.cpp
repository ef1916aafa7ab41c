#include "platform/controls/NSProgressIndicator.h"

NSProgressIndicator::~NSProgressIndicator() = default;

const char* NSProgressIndicator::className() const {
    return "NSProgressIndicator";
}

NSProgressIndicator& NSProgressIndicator::absent() {
    static NSProgressIndicator instance{InertTag{}};
    return instance;
}

void NSProgressIndicator::startAnimation() {
    if (isInert()) return;
    animating_ = true;
}

void NSProgressIndicator::stopAnimation() {
    if (isInert()) return;
    animating_ = false;
}
