// Remembering the values of the job being printed: every value key, in its
// stored form, with the mask of the locks that decides what comes back.
#include <algorithm>

#include "platform/controls/Buttons.h"
#include "platform/controls/TextFields.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"
#include "settings/ClearText.h"
#include "settings/JobFields.h"
#include "settings/ValueForms.h"

using job_fields::JobField;
using job_fields::StoredForm;

namespace {

NSStringEncoding userSystemEncoding() {
    return CFStringConvertEncodingToNSStringEncoding(CFStringGetSystemEncoding());
}

bool isPlainAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The enciphered forms keep the first characters of the text; a text of
// which nothing converts is kept as the empty string.
std::string storedForm(const JobField& field, const std::string& text) {
    ClearText clear;
    switch (field.storedForm) {
        case StoredForm::asTyped: return text;
        case StoredForm::fixedKeyHex:
        case StoredForm::fixedKeyBase64:
            clear = convertText(text, userSystemEncoding(), field.storedCharacters, field.storedCharacters);
            break;
        case StoredForm::asciiFixedKeyHex:
            // All or nothing: a text that is not plain ASCII, or too long, is not kept.
            if (!isPlainAscii(text) || text.size() > field.storedCharacters) return std::string();
            clear = convertText(text, NSASCIIStringEncoding, field.storedCharacters, field.storedCharacters);
            break;
    }
    if (clear.empty()) return std::string();
    return field.storedForm == StoredForm::fixedKeyBase64 ? value_forms::fixedKeyBase64Form(clear)
                                                          : value_forms::fixedKeyHexForm(clear, field.cipherBytes);
}

// A key whose field the layout lacks keeps its stored value.
void remember(const NelvoPrintPdeZlm420kJC& panel, const JobField& field, nlohmann::json& record) {
    const Outlet<NSTextField>& control = panel.outlets.*field.field;
    if (!control) return;
    if (&field != &job_fields::kLoginName) {
        record[field.recordKey] = storedForm(field, control->stringValue());
        return;
    }
    // While locked the field shows bullets: the clear name is the kept one.
    const bool locked = (panel.outlets.*field.lockButton)->state() == 1;
    const std::string name =
        locked ? panel.loginNameLock.loginNameStringRef.value_or(std::string()) : control->stringValue();
    if (!locked || !name.empty()) record[field.recordKey] = storedForm(field, name);
}

}  // namespace

bool NelvoPrintPdeZlm420kJC::SaveUserPreference() {
    std::optional<JobControlUpdate> update = JobControlUpdate::begin(context.preferenceName);
    if (!update) return false;
    nlohmann::json& record = update->record();
    record[job_control::kAuthentication] = outlets.authenticationRadioButton->state() != 0;
    for (const JobField* field : job_fields::kFields)
        remember(*this, *field, record);
    record[job_control::kHoldButton] = static_cast<int32_t>(job_fields::lockMaskOf(*this));
    update->commit();
    return true;
}
