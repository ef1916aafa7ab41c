// The number formatter that counting input filters build on. It keeps the
// number format it is given ("##0") and, like every filter of this system,
// converts between value and text without change.
#pragma once

#include <string>

#include "platform/controls/NSFormatter.h"

class NSNumberFormatter : public NSFormatter {
public:
    NSNumberFormatter() = default;
    ~NSNumberFormatter() override;

    const std::string& format() const { return format_; }
    void setFormat(std::string format);

    std::string stringForObjectValue(const std::string& value) const override;
    bool getObjectValue(std::string& value, const std::string& text, std::string* error) const override;

private:
    std::string format_;
};
