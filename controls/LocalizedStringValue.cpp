// The localized form of a control's untranslated title or label: the text
// before its first colon is looked up in the bundle's strings, and a colon
// that the text had is put back (whatever followed it is dropped).
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"

std::optional<std::string> NelvoPrintPdeZlm420kJC::localizedStringValue(const std::optional<std::string>& text) const {
    if (!text) return std::nullopt;
    const std::size_t colon = text->find(':');
    const std::string key = text->substr(0, colon);
    // An empty text, or one that begins with a colon, has no key.
    if (key.empty()) return text;
    std::string localized = context.pdeBundle ? context.pdeBundle->localizedStringForKey(key) : key;
    if (colon != std::string::npos) localized += ':';
    return localized;
}

std::optional<std::string> NelvoPrintPdeZlm420kJC::localizedStringValue(const NSTextField* field) const {
    if (!field) return std::nullopt;
    return localizedStringValue(std::optional<std::string>(field->stringValue()));
}

std::optional<std::string> NelvoPrintPdeZlm420kJC::localizedStringValue(const NSBox* box) const {
    if (!box) return std::nullopt;
    return localizedStringValue(std::optional<std::string>(box->title()));
}

std::optional<std::string> NelvoPrintPdeZlm420kJC::localizedStringValue(const NSButton* button) const {
    if (!button) return std::nullopt;
    return localizedStringValue(std::optional<std::string>(button->title()));
}

std::optional<std::string> NelvoPrintPdeZlm420kJC::localizedStringValue(const NSButtonCell* cell) const {
    if (!cell) return std::nullopt;
    return localizedStringValue(std::optional<std::string>(cell->title()));
}

std::optional<std::string> NelvoPrintPdeZlm420kJC::localizedStringValue(const NSObject* object) const {
    // Tested in this order: a text field, a box, a button, a cell.
    if (const auto* field = dynamic_cast<const NSTextField*>(object)) return localizedStringValue(field);
    if (const auto* box = dynamic_cast<const NSBox*>(object)) return localizedStringValue(box);
    if (const auto* button = dynamic_cast<const NSButton*>(object)) return localizedStringValue(button);
    if (const auto* cell = dynamic_cast<const NSButtonCell*>(object)) return localizedStringValue(cell);
    return std::nullopt;
}
