#include "platform/controls/NSControl.h"

#include "platform/controls/TextFields.h"

NSWindow::~NSWindow() = default;

const char* NSWindow::className() const {
    return "NSWindow";
}

NSWindow& NSWindow::absent() {
    static NSWindow instance{InertTag{}};
    return instance;
}

bool NSWindow::makeFirstResponder(NSTextField* field) {
    if (isInert()) return false;
    if (field && (&field->window() != this || !field->isSelectable())) return false;
    firstResponder_ = field;
    return true;
}

NSControl::NSControl(InertTag tag) : NSObject(tag), enabled_(false) {}

NSControl::~NSControl() = default;

const char* NSControl::className() const {
    return "NSControl";
}

NSControl& NSControl::absent() {
    static NSControl instance{InertTag{}};
    return instance;
}

void NSControl::setEnabled(bool enabled) {
    if (isInert()) return;
    enabled_ = enabled;
}

void NSControl::setHidden(bool hidden) {
    if (isInert()) return;
    hidden_ = hidden;
}

void NSControl::setTag(int tag) {
    if (isInert()) return;
    tag_ = tag;
}

void NSControl::setAction(Action action) {
    if (isInert()) return;
    action_ = std::move(action);
}

NSWindow& NSControl::window() const {
    return window_ ? *window_ : NSWindow::absent();
}

void NSControl::setWindow(NSWindow* window) {
    if (isInert()) return;
    window_ = window;
}

void NSControl::setLayoutPosition(int row, int column) {
    if (isInert()) return;
    layoutRow_ = row;
    layoutColumn_ = column;
}

NSObject* NSControl::childNamed(const std::string&) {
    return nullptr;
}

platform::UserResult NSControl::userAccess() const {
    if (isInert()) return platform::UserResult::absent;
    if (hidden_) return platform::UserResult::hidden;
    if (!enabled_) return platform::UserResult::disabled;
    return platform::UserResult::done;
}

void NSControl::sendAction() {
    // A handler may replace this control's action while it runs; calling a
    // copy keeps the running function alive.
    const Action action = action_;
    if (action) action(this);
}
