// Submitting a print job to a CUPS queue: one job with all its documents,
// every key of the job's print settings as a job option. The terminal, the
// scripted and any other front end end a print here.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/PrintingFramework.h"

namespace host {

struct JobRequest {
    std::string queue;
    std::string title;  // the job's name, as the device and lpstat list it
    std::vector<std::filesystem::path> documents;
    const platform::PrintSettings* settings = nullptr;
};

struct SubmittedJob {
    std::string queue;
    int jobId = 0;
    size_t documentCount = 0;
};

// Throws SubmissionRefused with CUPS's reason when the server or a
// document fails; a job already created is then cancelled.
SubmittedJob submitJob(const JobRequest& request);

// lp's own line for a submitted job: "request id is QUEUE-N (K file(s))".
std::string requestIdLine(const SubmittedJob& job);

}  // namespace host
