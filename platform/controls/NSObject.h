// The root of the control model, every object that the layout can name, and
// the outlet: a field of the layout's owner that names one such object.
#pragma once

#include <string>

// The root of the control model: every object that the layout can name.
class NSObject {
public:
    virtual ~NSObject();
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;

    // The name under which the layout connects this object to its owner's
    // field ("retentionCheckBox"); empty for unnamed objects.
    const std::string& fieldName() const { return fieldName_; }
    void setFieldName(const std::string& name);

    // The platform class this object stands in for ("NSButton"), for hosts
    // that list or dump a view.
    virtual const char* className() const;

    // True only for the shared stand-in that an absent outlet hands out. It
    // reads as empty and ignores every change, so that no caller can alter
    // what the next absent read gives.
    bool isInert() const { return inert_; }

protected:
    struct InertTag {};

    NSObject() = default;
    explicit NSObject(InertTag) : inert_(true) {}

private:
    std::string fieldName_;
    const bool inert_ = false;
};

// A field of the panel that names one control (or cell) of its view. The
// view owns the control; the layout loader connects the outlet by field
// name. An outlet whose control the view lacks is absent: it reads as
// empty through the type's inert stand-in (state 0, selected row and index
// 0, empty text, not selectable, tag 0, not enabled, no item or cell) and
// every change through it is dropped, so no caller can reach a missing
// control.
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
