// The cell of a text field, which owns the field's input filter.
#pragma once

#include <memory>

#include "platform/controls/NSFormatter.h"
#include "platform/controls/NSObject.h"

class NSTextFieldCell : public NSObject {
public:
    NSTextFieldCell() = default;
    ~NSTextFieldCell() override;
    const char* className() const override;

    // The cell of an absent field: it drops every filter it is given.
    static NSTextFieldCell& absent();

    // The filter lives as long as the cell, or until it is replaced.
    void setFormatter(std::unique_ptr<NSFormatter> formatter);
    NSFormatter* formatter() const { return formatter_.get(); }

private:
    explicit NSTextFieldCell(InertTag tag) : NSObject(tag) {}

    std::unique_ptr<NSFormatter> formatter_;
};
