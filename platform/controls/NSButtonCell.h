// One radio cell of a matrix: a title and a state (1 for the selected cell).
#pragma once

#include <string>

#include "platform/controls/NSObject.h"

class NSButtonCell : public NSObject {
public:
    explicit NSButtonCell(std::string title = "");
    ~NSButtonCell() override;
    const char* className() const override;

    static NSButtonCell& absent();

    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

    // 0 or 1; any value other than 0 is stored as 1. Setting a cell's state
    // directly does not touch its sisters: selectCellAtRow of the matrix does.
    int state() const { return state_; }
    void setState(int state);

private:
    explicit NSButtonCell(InertTag tag) : NSObject(tag) {}

    std::string title_;
    int state_ = 0;
};
