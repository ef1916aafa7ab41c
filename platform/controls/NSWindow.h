// The window of a panel's view: it holds the keyboard focus, that is, which
// edit field (if any) receives typing.
#pragma once

#include "platform/controls/NSObject.h"

class NSTextField;

class NSWindow : public NSObject {
public:
    NSWindow() = default;
    ~NSWindow() override;
    const char* className() const override;

    // The window of a control that lies in no view: it never takes the focus.
    static NSWindow& absent();

    // Gives the focus to `field`, or to no field for nullptr. A field of
    // another window, or one that is not selectable, refuses: the focus
    // stays where it was and the answer is false.
    bool makeFirstResponder(NSTextField* field);
    NSTextField* firstResponder() const { return firstResponder_; }

private:
    explicit NSWindow(InertTag tag) : NSObject(tag) {}

    NSTextField* firstResponder_ = nullptr;
};
