// Placeholder until the control model lands: a non-owning link to a control.
#pragma once

template <typename T>
class Outlet {
public:
    void connect(T* control) { control_ = control; }
    explicit operator bool() const { return control_ != nullptr; }
    T* get() const { return control_; }

private:
    T* control_ = nullptr;
};
