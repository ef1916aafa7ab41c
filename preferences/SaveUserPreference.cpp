// Remembering the values of the job being printed: every value key, in its
// stored form, with the mask of the locks that decides what comes back.
#include "platform/controls/NSButton.h"
#include "platform/controls/NSButtonCell.h"
#include "platform/controls/NSTextField.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"
#include "preferences/StoredForms.h"
#include "settings/LockMask.h"

namespace {

constexpr size_t kCodeCharacters = 16;
constexpr size_t kCodeCipherBytes = 16;
constexpr size_t kPasswordCharacters = 32;
constexpr size_t kPasswordCipherBytes = 32;

// A key whose field the layout lacks keeps its stored value.
void rememberCode(nlohmann::json& record, const char* key, const Outlet<NSTextField>& field) {
    if (field) record[key] = storedCodeForm(field->stringValue(), kCodeCharacters, kCodeCipherBytes);
}

void rememberAsTyped(nlohmann::json& record, const char* key, const Outlet<NSTextField>& field) {
    if (field) record[key] = field->stringValue();
}

}  // namespace

bool NelvoPrintPdeZlm420kJC::SaveUserPreference() {
    std::optional<JobControlUpdate> update = JobControlUpdate::begin(preferenceName);
    if (!update) return false;
    nlohmann::json& record = update->record();
    const uint32_t mask = lockMaskOf(*this);

    rememberCode(record, job_control::kPassCode, suspendKeyEditText);
    record[job_control::kAuthentication] = authenticationRadioButton->state() != 0;
    if (loginNameEditText) {
        // While locked the field shows bullets: the clear name is the kept one.
        const bool locked = loginNameButton->state() == 1;
        const std::string name = locked ? loginNameStringRef.value_or(std::string()) : loginNameEditText->stringValue();
        if (!locked || !name.empty()) record[job_control::kUserLoginName] = storedLoginNameForm(name);
    }
    if (passwordEditText)
        record[job_control::kUserPassword] =
            storedCodeForm(passwordEditText->stringValue(), kPasswordCharacters, kPasswordCipherBytes);
    rememberCode(record, job_control::kUserNumber, userNumberEditText);
    rememberCode(record, job_control::kAccountNumber, accountNumberEditText);
    rememberAsTyped(record, job_control::kUserName, userNameEditText);
    rememberAsTyped(record, job_control::kJobName, jobNameEditText);
    if (folderPasswordEditText)
        record[job_control::kFolderPassCode] = storedFolderPassCodeForm(folderPasswordEditText->stringValue());
    rememberAsTyped(record, job_control::kFolderName, folderNameEditText);
    record[job_control::kHoldButton] = static_cast<int32_t>(mask);

    update->commit();
    return true;
}
