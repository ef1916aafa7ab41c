// An input filter of an edit field: it converts between the field's value
// and its text, and it is asked before every edit by the user whether the
// edited text is acceptable.
#pragma once

#include <string>

#include "platform/controls/NSRange.h"

class NSFormatter {
public:
    NSFormatter() = default;
    virtual ~NSFormatter();
    NSFormatter(const NSFormatter&) = delete;
    NSFormatter& operator=(const NSFormatter&) = delete;

    // A field's value is its text.
    virtual std::string stringForObjectValue(const std::string& value) const = 0;
    // Sets `value` from `text`; false (and, when wanted, an error text) when
    // the text gives no value.
    virtual bool getObjectValue(std::string& value, const std::string& text, std::string* error) const = 0;

    // The edit check. `partial` is the proposed text P and
    // `proposedSelection` the selection S after the edit, both of which the
    // filter may replace; `original` is the text O before the edit and
    // `originalSelection` the range R of O that the edit replaces. For
    // typing and deleting, S is the caret after the edit, so the inserted
    // text is P from R.location up to S.location. The field applies the
    // answer as the platform does: true takes the edit as proposed (what
    // the filter did to P or S does not count); false with P or S replaced
    // takes the replacements; false with neither replaced keeps O and
    // selects R. The base class accepts every edit.
    virtual bool isPartialStringValid(std::u16string& partial, NSRange& proposedSelection,
                                      const std::u16string& original, NSRange originalSelection,
                                      std::string* error) const;
};
