// A field of the panel that names one control (or cell) of its view. The
// view owns the control; the layout loader connects the outlet by field
// name. An outlet whose control the view lacks is absent: it reads as
// empty through the type's inert stand-in (state 0, selected row and index
// 0, empty text, not selectable, tag 0, not enabled, no item or cell) and
// every change through it is dropped, so no caller can reach a missing
// control.
#pragma once

#include "platform/controls/NSObject.h"

template <class T>
class Outlet {
public:
    Outlet() = default;

    // Connects `object` when it is a T; an object of another kind, or none,
    // leaves the outlet absent. Gives whether the outlet is now present.
    bool connect(NSObject* object) {
        control_ = dynamic_cast<T*>(object);
        return control_ != nullptr;
    }
    void reset() { control_ = nullptr; }

    explicit operator bool() const { return control_ != nullptr; }
    T* operator->() const { return control_ ? control_ : &T::absent(); }
    T& operator*() const { return *operator->(); }
    // The control itself, or none: for identity tests, never to dereference.
    T* get() const { return control_; }

private:
    T* control_ = nullptr;
};
