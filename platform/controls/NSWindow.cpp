#include "platform/controls/NSWindow.h"

#include "platform/controls/NSTextField.h"

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
