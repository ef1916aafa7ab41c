// Validating the queue's record: a record written for another model or
// another release of the panel is dropped and begun afresh.
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"

namespace {

bool isRecordOf(const nlohmann::json& record, const std::optional<std::string>& model) {
    return model && job_control::stringValue(record, job_control::kModelName) == model &&
           job_control::stringValue(record, job_control::kReleaseNumber) == job_control::kCurrentRelease;
}

}  // namespace

void NelvoPrintPdeZlm420kJC::CheckPreference() {
    std::optional<JobControlUpdate> update = JobControlUpdate::begin(preferenceName);
    if (!update) return;
    nlohmann::json& record = update->record();
    if (!isRecordOf(record, modelStringRef)) {
        record = nlohmann::json::object();
        if (modelStringRef) record[job_control::kModelName] = *modelStringRef;
        record[job_control::kReleaseNumber] = job_control::kCurrentRelease;
    }
    update->commit();
}
