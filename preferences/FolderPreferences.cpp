// The device's folder list and the address it was fetched from, kept for the
// queue so that the folder menu is there before the next fetch.
#include "platform/controls/TextFields.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"

void NelvoPrintPdeZlm420kJC::GetFolderPreference() {
    const std::optional<nlohmann::json> record = readJobControlRecord(preferenceName);
    if (!record) return;
    addressStringRef = job_control::stringValue(*record, job_control::kAddress);
    folderList = job_control::folderListValue(*record);
}

bool NelvoPrintPdeZlm420kJC::SaveFolderPreference() {
    std::optional<JobControlUpdate> update = JobControlUpdate::begin(preferenceName);
    if (!update) return false;
    nlohmann::json& record = update->record();
    if (printersAddressEditText) record[job_control::kAddress] = printersAddressEditText->stringValue();
    if (folderList) record[job_control::kFiles] = *folderList;
    update->commit();
    return true;
}
