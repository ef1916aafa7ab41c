// An input filter whose edit check a test writes as a lambda, and the
// cutting check that the panel's counting filters make.
#pragma once

#include <functional>
#include <string>

#include "platform/controls/NSNumberFormatter.h"

class EditFilter : public NSNumberFormatter {
public:
    using Check = std::function<bool(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                                     NSRange replaced)>;
    explicit EditFilter(Check check) : check_(std::move(check)) {}
    bool isPartialStringValid(std::u16string& partial, NSRange& proposed, const std::u16string& original,
                              NSRange replaced, std::string*) const override {
        return check_(partial, proposed, original, replaced);
    }

private:
    Check check_;
};

// A caret past `max` cuts the text to `max` units, wholly selected, and
// answers NO with the replacements; with `digitsOnly` it also refuses a
// character that is not a digit or would make the text longer than `max`.
inline EditFilter::Check cutAt(std::size_t max, bool digitsOnly = false) {
    return [=](std::u16string& partial, NSRange& proposed, const std::u16string& original, NSRange replaced) {
        if (proposed.location > max) {
            partial.resize(max);
            proposed = NSRange{0, max};
            return false;
        }
        if (!digitsOnly || proposed.location <= replaced.location) return true;  // a deletion
        const char16_t first = partial[replaced.location];
        return first >= u'0' && first <= u'9' && original.size() < max;
    };
}
