// Loading the values remembered for the queue: each locked value whose bit
// the remembered mask holds, and the authentication method.
#include <utility>

#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"
#include "settings/SettingsKeys.h"

namespace {

using Panel = NelvoPrintPdeZlm420kJC;

struct RememberedValue {
    uint32_t bit;
    const char* key;
    std::optional<std::string> Panel::*field;
};

constexpr RememberedValue kRememberedValues[] = {
    {lock_bits::kPassCode, job_control::kPassCode, &Panel::prefSuspendKeyStringRef},
    {lock_bits::kLoginName, job_control::kUserLoginName, &Panel::prefLoginNameStringRef},
    {lock_bits::kPassword, job_control::kUserPassword, &Panel::prefPasswordStringRef},
    {lock_bits::kUserNumber, job_control::kUserNumber, &Panel::prefUserNumberStringRef},
    {lock_bits::kAccountNumber, job_control::kAccountNumber, &Panel::prefAccountNumberStringRef},
    {lock_bits::kUserName, job_control::kUserName, &Panel::prefUserNameStringRef},
    {lock_bits::kJobName, job_control::kJobName, &Panel::prefJobNameStringRef},
    {lock_bits::kFolderPassCode, job_control::kFolderPassCode, &Panel::prefFolderPassStringRef},
    {lock_bits::kFolderName, job_control::kFolderName, &Panel::prefFolderNameStringRef},
};

}  // namespace

void NelvoPrintPdeZlm420kJC::GetUserPreference() {
    prefHoldButtonFlag = 0;
    prefAuthenticationBooleanRef.reset();
    // The folder name is only replaced when it loads: it is consulted only
    // while its bit is set.
    for (const RememberedValue& remembered : kRememberedValues)
        if (remembered.field != &Panel::prefFolderNameStringRef) (this->*remembered.field).reset();

    const std::optional<nlohmann::json> record = readJobControlRecord(preferenceName);
    if (!record) return;
    const std::optional<uint32_t> bits = job_control::low32Bits(*record, job_control::kHoldButton);
    if (!bits) return;

    // A mask stored in another form than a signed 32-bit integer is still
    // taken, but no value loads with it.
    if (job_control::int32Value(*record, job_control::kHoldButton)) {
        prefAuthenticationBooleanRef = job_control::booleanValue(*record, job_control::kAuthentication);
        for (const RememberedValue& remembered : kRememberedValues)
            if (*bits & remembered.bit) this->*remembered.field = job_control::stringValue(*record, remembered.key);
    }
    prefHoldButtonFlag = *bits;
}
