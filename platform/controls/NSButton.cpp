#include "platform/controls/NSButton.h"

NSButton::NSButton(NSButtonType type) : type_(type) {}

NSButton::NSButton(InertTag tag) : NSControl(tag), type_(NSButtonType::pushButton) {}

NSButton::~NSButton() = default;

const char* NSButton::className() const {
    return "NSButton";
}

NSButton& NSButton::absent() {
    static NSButton instance{InertTag{}};
    return instance;
}

void NSButton::setTitle(const std::string& title) {
    if (isInert()) return;
    title_ = title;
}

void NSButton::setState(int state) {
    if (isInert()) return;
    state_ = state != 0 ? 1 : 0;
}

void NSButton::setImage(std::shared_ptr<NSImage> image) {
    if (isInert()) return;
    image_ = std::move(image);
}

void NSButton::setAlternateImage(std::shared_ptr<NSImage> image) {
    if (isInert()) return;
    alternateImage_ = std::move(image);
}

const std::shared_ptr<NSImage>& NSButton::displayedImage() const {
    return state_ == 1 ? alternateImage_ : image_;
}

platform::UserResult NSButton::performClick() {
    const platform::UserResult access = userAccess();
    if (access != platform::UserResult::done) return access;
    if (type_ != NSButtonType::pushButton) state_ = state_ == 0 ? 1 : 0;
    sendAction();
    return platform::UserResult::done;
}
