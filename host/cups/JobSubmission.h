// Submitting a print job to a CUPS destination: one job with all its
// documents, its options merged as lp merges them (see JobOptionList.h).
// The terminal, the scripted and the graphical front end end a print here,
// or with SubmissionRefused when the print server would not take the job.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/cups/JobOptionList.h"
#include "platform/core/PrintingFramework.h"

namespace host {

struct JobRequest {
    std::string destination;                       // "QUEUE" or "QUEUE/INSTANCE"
    std::string title;                             // the job's name, as the device and lpstat list it
    std::vector<std::filesystem::path> documents;  // "-" is standard input
    const platform::PrintSettings* settings = nullptr;
    OptionPairs frontEndOptions;  // the front end's own choices, before the panel's keys
};

struct SubmittedJob {
    std::string queue;
    int jobId = 0;
    size_t documentCount = 0;
};

// Throws SubmissionRefused with CUPS's reason when the server or a
// document fails; a job already created is then cancelled. A Ctrl-C or
// SIGTERM while the job is sent cancels the job too, and then ends the
// program as the signal does.
SubmittedJob submitJob(const JobRequest& request);

// lp's own line for a submitted job: "request id is QUEUE-N (K file(s))".
std::string requestIdLine(const SubmittedJob& job);

// The print server would not take the job: the dialog reports CUPS's own
// reason and ends with a status of its own, nothing left pending.
class SubmissionRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace host
