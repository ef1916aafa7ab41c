// Validating the queue's record: a record written for another model or
// another release of the panel is dropped and begun afresh.
#include "plugin/NelvoPrintPdeZlm420kJC.h"
#include "preferences/JobControlRecord.h"
#include "preferences/QueueDefaults.h"

namespace {

// A PPD without a model name, and a record without one, both name the model
// with the empty text, so that such a queue keeps its record too.
std::string modelNameOf(const std::optional<std::string>& model) {
    return model.value_or(std::string());
}

bool isRecordOf(const nlohmann::json& record, const std::string& model) {
    return modelNameOf(job_control::stringValue(record, job_control::kModelName)) == model &&
           job_control::stringValue(record, job_control::kReleaseNumber) == job_control::kCurrentRelease;
}

}  // namespace

void NelvoPrintPdeZlm420kJC::CheckPreference() {
    std::optional<JobControlUpdate> update = JobControlUpdate::begin(context.preferenceName);
    if (!update) return;
    nlohmann::json& record = update->record();
    const std::string model = modelNameOf(context.modelStringRef);
    if (!isRecordOf(record, model)) {
        record = nlohmann::json::object();
        record[job_control::kModelName] = model;
        record[job_control::kReleaseNumber] = job_control::kCurrentRelease;
    }
    update->commit();
}
