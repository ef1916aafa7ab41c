// Loading the values remembered for the queue: each locked value whose bit
// the remembered mask holds, and the authentication method.
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"
#include "settings/JobFields.h"

using job_fields::JobField;

void NelvoPrintPdeZlm420kJC::GetUserPreference() {
    remembered.prefHoldButtonFlag = 0;
    remembered.prefAuthenticationBooleanRef.reset();
    // The folder name is only replaced when it loads: it is consulted only
    // while its bit is set.
    for (const JobField* field : job_fields::kFields)
        if (field != &job_fields::kFolderName) (remembered.*field->remembered).reset();

    const std::optional<nlohmann::json> record = readJobControlRecord(context.preferenceName);
    if (!record) return;
    const std::optional<uint32_t> bits = job_control::low32Bits(*record, job_control::kHoldButton);
    if (!bits) return;

    // A mask stored in another form than a signed 32-bit integer is still
    // taken, but no value loads with it.
    if (job_control::int32Value(*record, job_control::kHoldButton)) {
        remembered.prefAuthenticationBooleanRef = job_control::booleanValue(*record, job_control::kAuthentication);
        for (const JobField* field : job_fields::kFields)
            if (*bits & field->lockBit)
                remembered.*field->remembered = job_control::stringValue(*record, field->recordKey);
    }
    remembered.prefHoldButtonFlag = *bits;
}
