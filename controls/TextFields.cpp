#include "controls/TextFields.h"

#include "platform/text/Utf16.h"

namespace controls {
namespace {

// Where text of at most `maxValue` units ends: never between the two halves
// of a surrogate pair, so that the cut leaves no half character behind.
std::size_t cutLength(const std::u16string& text, uint64_t maxValue) {
    if (maxValue >= text.size()) return text.size();
    std::size_t length = static_cast<std::size_t>(maxValue);
    if (length > 0 && platform::isHighSurrogate(text[length - 1])) --length;
    return length;
}

bool isAsciiDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

}  // namespace

bool checkCountedEdit(std::u16string& partial, NSRange& proposedSelection, const std::u16string& original,
                      NSRange originalSelection, uint64_t maxValue, InsertedCharacters allowed) {
    if (proposedSelection.location > maxValue) {
        partial.resize(cutLength(partial, maxValue));
        proposedSelection = NSRange{0, partial.size()};
        return false;
    }
    const std::size_t start = originalSelection.location;
    const std::size_t end = proposedSelection.location;
    if (end <= start || start >= partial.size()) return true;  // nothing inserted: a deletion
    if (allowed == InsertedCharacters::digitsOnly && !isAsciiDigit(partial[start])) return false;
    return original.size() < maxValue;
}

}  // namespace controls

bool MyIntegerNumberFilter::isPartialStringValid(std::u16string& partial, NSRange& proposedSelection,
                                                 const std::u16string& original, NSRange originalSelection,
                                                 std::string* /*error*/) const {
    return controls::checkCountedEdit(partial, proposedSelection, original, originalSelection, maxValue,
                                      controls::InsertedCharacters::digitsOnly);
}

bool MyRomanFilter::isPartialStringValid(std::u16string& partial, NSRange& proposedSelection,
                                         const std::u16string& original, NSRange originalSelection,
                                         std::string* /*error*/) const {
    return controls::checkCountedEdit(partial, proposedSelection, original, originalSelection, maxValue,
                                      controls::InsertedCharacters::any);
}

std::string LoginnameInputFilter::stringForObjectValue(const std::string& value) const {
    return value;
}

bool LoginnameInputFilter::getObjectValue(std::string& value, const std::string& text, std::string* /*error*/) const {
    value = text;
    return true;
}

bool LoginnameInputFilter::isPartialStringValid(std::u16string& /*partial*/, NSRange& /*proposedSelection*/,
                                                const std::u16string& /*original*/, NSRange /*originalSelection*/,
                                                std::string* /*error*/) const {
    return true;
}

void myZlm420kJCHilite(const Outlet<NSTextField>& field, bool dimmed) {
    if (!field) return;
    field->setTextColor(dimmed ? NSColor::grayColor : NSColor::blackColor);
    if (field->isLabel()) return;
    field->setEditable(!dimmed);
    field->setSelectable(!dimmed);
    field->window().makeFirstResponder(dimmed ? nullptr : field.get());
}
