// What the queue remembers of the device: its folder list and the address it
// was fetched from, so that the folder menu is there before the next fetch;
// and its document-filing storage, which this model has none of, so there
// is nothing to store or load.
#include "platform/controls/TextFields.h"
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"

void NelvoPrintPdeZlm420kJC::GetFolderPreference() {
    const std::optional<nlohmann::json> record = readJobControlRecord(context.preferenceName);
    if (!record) return;
    kept.addressStringRef = job_control::stringValue(*record, job_control::kAddress);
    deviceFolders.folderList = job_control::folderListValue(*record);
}

bool NelvoPrintPdeZlm420kJC::SaveFolderPreference() {
    std::optional<JobControlUpdate> update = JobControlUpdate::begin(context.preferenceName);
    if (!update) return false;
    nlohmann::json& record = update->record();
    if (outlets.printersAddressEditText) record[job_control::kAddress] = outlets.printersAddressEditText->stringValue();
    if (deviceFolders.folderList) record[job_control::kFiles] = *deviceFolders.folderList;
    update->commit();
    return true;
}

bool NelvoPrintPdeZlm420kJC::GetHDDPreference() {
    return true;
}

bool NelvoPrintPdeZlm420kJC::SaveHDDPreference() {
    return true;
}
