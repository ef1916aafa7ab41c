// One tab of a tab view: its label.
#pragma once

#include <string>

#include "platform/controls/NSObject.h"

class NSTabViewItem : public NSObject {
public:
    explicit NSTabViewItem(std::string label = "");
    ~NSTabViewItem() override;
    const char* className() const override;

    const std::string& label() const { return label_; }
    void setLabel(const std::string& label);

private:
    std::string label_;
};
