// The input filter of the login name: every edit is accepted, of any length
// (the writer of the print settings bounds what it stores).
#pragma once

#include "platform/controls/TextFields.h"
#include "plugin/LoginnameInputFilterCallback.h"

class LoginnameInputFilter : public NSFormatter {
public:
    // `callback` is not owned; the panel that installs the filter outlives it.
    void setCallback(LoginnameInputFilterCallback* callback) { m_context = callback; }

    std::string stringForObjectValue(const std::string& value) const override;
    bool getObjectValue(std::string& value, const std::string& text, std::string* error) const override;
    bool isPartialStringValid(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                              NSRange originalSelection, std::string* error) const override;

    LoginnameInputFilterCallback* m_context = nullptr;
};
