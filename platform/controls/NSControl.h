// A control of the view (enabled, hidden, a tag, an action) and the window
// it lies in, which holds the keyboard focus.
#pragma once

#include <functional>
#include <string>

#include "platform/controls/NSObject.h"
#include "platform/controls/UserResult.h"

class NSTextField;

// The window of a panel's view: it holds the keyboard focus, that is, which
// edit field (if any) receives typing.
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

// A control of the view: enabled, hidden, a tag, an action, and the window
// it lies in.
class NSControl : public NSObject {
public:
    using Action = std::function<void(NSControl* sender)>;

    ~NSControl() override;
    const char* className() const override;

    // The stand-in that an absent outlet of this type hands out.
    static NSControl& absent();

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    int tag() const { return tag_; }
    void setTag(int tag);

    // Sent only by a user's operation, never by a setter.
    const Action& action() const { return action_; }
    void setAction(Action action);

    // The window of the view that holds this control; a control outside any
    // view answers an inert window that takes no focus.
    NSWindow& window() const;
    void setWindow(NSWindow* window);

    // Where a text-mode host draws the control on its tab: line and
    // character column (hints from the layout, 0 when it gives none).
    int layoutRow() const { return layoutRow_; }
    int layoutColumn() const { return layoutColumn_; }
    void setLayoutPosition(int row, int column);

    // A named object inside this control (a matrix's cell); none by default.
    virtual NSObject* childNamed(const std::string& name);

protected:
    NSControl() = default;
    explicit NSControl(InertTag tag);

    // Why a user's operation on this control cannot happen now, or done.
    platform::UserResult userAccess() const;
    // Calls the action with this control as sender, when there is one.
    void sendAction();

private:
    bool enabled_ = true;
    bool hidden_ = false;
    int tag_ = 0;
    Action action_;
    NSWindow* window_ = nullptr;
    int layoutRow_ = 0;
    int layoutColumn_ = 0;
};
