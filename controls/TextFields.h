// What the panel's text fields do beyond the control model: the input
// filters that decide which edits a field takes (the numeric codes', the
// free texts', the login name's, over one counted-edit check), the dimming
// that shows a text does not apply now, and the emptying of a field that a
// changed choice makes void.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/NSObject.h"
#include "platform/controls/TextFields.h"
#include "plugin/PanelRoles.h"

namespace controls {

enum class InsertedCharacters { any, digitsOnly };

// Accepts or refuses one edit of a field that may hold `maxValue` code
// units. A caret beyond the maximum cuts the text to the maximum and selects
// all of it (the answer is then false with `partial` and `proposedSelection`
// replaced). Otherwise a deletion is accepted, an insertion whose first
// character is not an ASCII digit is refused where only digits are allowed,
// and any other insertion is accepted only while `original` is shorter than
// the maximum.
bool checkCountedEdit(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                      NSRange originalSelection, uint64_t maxValue, InsertedCharacters allowed);

// Empties `field` unless the user locked its value.
inline void clearUnlessLocked(const Outlet<NSTextField>& field, const Outlet<NSButton>& lockButton) {
    if (lockButton->state() == 0) field->setStringValue("");
}

}  // namespace controls

// The input filter of the numeric codes (pass codes, user number, account
// number): digits only, at most `maxValue` characters.
class MyIntegerNumberFilter : public NSNumberFormatter {
public:
    void SetmaxCharactersCount(uint64_t count) { maxValue = count; }

    bool isPartialStringValid(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                              NSRange originalSelection, std::string* error) const override;

    // The most characters (UTF-16 code units) the field takes; 0 until set.
    uint64_t maxValue = 0;
};

// The input filter of the free texts (password, folder name, user name, job
// name): any character, at most `maxValue` characters.
class MyRomanFilter : public NSNumberFormatter {
public:
    void SetmaxCharactersCount(uint64_t count) { maxValue = count; }

    bool isPartialStringValid(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                              NSRange originalSelection, std::string* error) const override;

    // The most characters (UTF-16 code units) the field takes; 0 until set.
    uint64_t maxValue = 0;
};

// The input filter of the login name: every edit is accepted, of any length
// (the writer of the print settings bounds what it stores).
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

// Dims a label or an edit field: the one way the panel shows that a text
// does not apply now. A label only changes colour. An edit field also stops
// (or starts) taking input, and the keyboard focus follows: an undimmed
// field takes it, a dimmed one leaves the window with no field focused. An
// absent field is left alone.
void myZlm420kJCHilite(const Outlet<NSTextField>& field, bool dimmed);
