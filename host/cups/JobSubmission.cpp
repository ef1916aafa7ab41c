#include "host/cups/JobSubmission.h"

#include <cups/cups.h>

#include <fstream>
#include <memory>

#include "host/cups/Destination.h"
#include "host/cups/SubmissionRefused.h"

namespace host {

namespace {

struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestinationInfo = std::unique_ptr<cups_dinfo_t, InfoFree>;

// The job's options, freed when they go.
class JobOptions {
public:
    explicit JobOptions(const platform::PrintSettings& settings) {
        for (const auto& [key, value] : settings.values())
            count_ = cupsAddOption(key.c_str(), value.c_str(), count_, &options_);
    }
    ~JobOptions() { cupsFreeOptions(count_, options_); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;

    int count() const { return count_; }
    cups_option_t* options() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

[[noreturn]] void refuse(const std::string& what) {
    throw SubmissionRefused(what + ": " + cupsLastErrorString());
}

enum class Sent { whole, unreadable, refused };

// One document's bytes into the request that cupsStartDestDocument began.
Sent sendDocument(http_t* connection, const std::filesystem::path& document) {
    std::ifstream in(document, std::ios::binary);
    if (!in) return Sent::unreadable;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        if (cupsWriteRequestData(connection, chunk, static_cast<size_t>(in.gcount())) != HTTP_STATUS_CONTINUE)
            return Sent::refused;
    }
    return in.eof() ? Sent::whole : Sent::unreadable;
}

// The documents of a created job, the last one closing the job.
void sendDocuments(http_t* connection, cups_dest_t* destination, cups_dinfo_t* info, int jobId,
                   const std::vector<std::filesystem::path>& documents) {
    for (size_t index = 0; index < documents.size(); ++index) {
        const std::filesystem::path& document = documents[index];
        const int last = index + 1 == documents.size();
        const std::string name = document.filename().string();
        if (cupsStartDestDocument(connection, destination, info, jobId, name.c_str(), CUPS_FORMAT_AUTO, 0, nullptr,
                                  last) != HTTP_STATUS_CONTINUE)
            refuse("cannot send " + document.string());
        const Sent sent = sendDocument(connection, document);
        // The request is finished whatever happened, so that the connection
        // stays usable for the cancel.
        const ipp_status_t status = cupsFinishDestDocument(connection, destination, info);
        if (sent == Sent::unreadable) throw SubmissionRefused("cannot read the document " + document.string());
        if (sent == Sent::refused || status > IPP_STATUS_OK_CONFLICTING) refuse("cannot send " + document.string());
    }
}

}  // namespace

SubmittedJob submitJob(const JobRequest& request) {
    const Destination destination = namedDestination(request.queue);
    if (!destination) refuse("cannot find the queue " + request.queue);
    // The server that libcups reaches, as lp uses it; the connection stays
    // open for the whole job.
    http_t* const connection = CUPS_HTTP_DEFAULT;
    const DestinationInfo info(cupsCopyDestInfo(connection, destination.get()));
    if (!info) refuse("cannot ask the queue " + request.queue);

    const JobOptions options(*request.settings);
    int jobId = 0;
    if (cupsCreateDestJob(connection, destination.get(), info.get(), &jobId, request.title.c_str(), options.count(),
                          options.options()) > IPP_STATUS_OK_CONFLICTING)
        refuse("the queue " + request.queue + " refused the job");
    try {
        sendDocuments(connection, destination.get(), info.get(), jobId, request.documents);
    } catch (const SubmissionRefused&) {
        // Nothing half-made stays pending on the server.
        cupsCancelDestJob(connection, destination.get(), jobId);
        throw;
    }
    return SubmittedJob{destination->name, jobId, request.documents.size()};
}

std::string requestIdLine(const SubmittedJob& job) {
    return "request id is " + job.queue + "-" + std::to_string(job.jobId) + " (" + std::to_string(job.documentCount) +
           " file(s))";
}

}  // namespace host
