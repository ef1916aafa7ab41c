// A titled box that frames a group of controls.
#pragma once

#include <string>

#include "platform/controls/NSControl.h"

class NSBox : public NSControl {
public:
    NSBox() = default;
    ~NSBox() override;
    const char* className() const override;

    static NSBox& absent();

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

private:
    explicit NSBox(InertTag tag) : NSControl(tag) {}

    std::string title_;
};
