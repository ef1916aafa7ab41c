#include "host/cups/JobSubmission.h"

#include <cups/cups.h>

#include <memory>

#include "host/cups/Destination.h"
#include "host/cups/DocumentStream.h"
#include "host/cups/InterruptHold.h"

namespace host {

namespace {

struct InfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestinationInfo = std::unique_ptr<cups_dinfo_t, InfoFree>;

// Thrown inside the submission when a held signal came: the job is
// cancelled and the hold let go, so that the signal ends the program.
struct Interrupted {};

// CUPS's reason for the last failure. A request that never got an answer
// leaves libcups with the system's last error, which says nothing of the
// job: then either the server is gone or the request's size is named.
std::string lastReason(size_t requestBytes) {
    const ipp_status_t status = cupsLastError();
    if (passwordRefused()) return passwordRefusedText();
    const std::string said = cupsLastErrorString() ? cupsLastErrorString() : "";
    const bool unanswered = status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    if (!unanswered && !said.empty()) return said;
    if (serverUnreachable()) return unreachableServerText();
    return "the server gave no answer to a request of " + std::to_string(requestBytes) + " bytes of options";
}

[[noreturn]] void refuse(const std::string& what, size_t requestBytes = 0) {
    throw SubmissionRefused(what + ": " + lastReason(requestBytes));
}

enum class Sent { whole, unreadable, refused };

// One document's bytes into the request that cupsStartDestDocument began.
Sent sendDocument(http_t* connection, DocumentStream& document, const InterruptHold& interrupts) {
    char chunk[65536];
    for (;;) {
        size_t count = 0;
        switch (document.next(chunk, sizeof chunk, interrupts, count)) {
            case DocumentStream::Read::end: return Sent::whole;
            case DocumentStream::Read::failed: return Sent::unreadable;
            case DocumentStream::Read::interrupted: throw Interrupted{};
            case DocumentStream::Read::bytes: break;
        }
        if (cupsWriteRequestData(connection, chunk, count) != HTTP_STATUS_CONTINUE) return Sent::refused;
    }
}

struct Job {
    http_t* connection;
    cups_dest_t* destination;
    cups_dinfo_t* info;
    int id;
};

// The documents of a created job, the last one closing the job.
void sendDocuments(const Job& job, std::vector<DocumentStream>& documents, const InterruptHold& interrupts) {
    for (size_t index = 0; index < documents.size(); ++index) {
        DocumentStream& document = documents[index];
        const int last = index + 1 == documents.size();
        if (interrupts.arrived()) throw Interrupted{};
        if (cupsStartDestDocument(job.connection, job.destination, job.info, job.id, document.name().c_str(),
                                  CUPS_FORMAT_AUTO, 0, nullptr, last) != HTTP_STATUS_CONTINUE)
            refuse("cannot send " + document.path().string());
        Sent sent = Sent::refused;
        try {
            sent = sendDocument(job.connection, document, interrupts);
        } catch (const Interrupted&) {
            cupsFinishDestDocument(job.connection, job.destination, job.info);
            throw;
        }
        // The request is finished whatever happened, so that the connection
        // stays usable for the cancel.
        const ipp_status_t status = cupsFinishDestDocument(job.connection, job.destination, job.info);
        if (sent == Sent::unreadable) throw SubmissionRefused("cannot read the document " + document.path().string());
        if (sent == Sent::refused || status > IPP_STATUS_OK_CONFLICTING)
            refuse("cannot send " + document.path().string());
    }
}

std::vector<DocumentStream> openDocuments(const std::vector<std::filesystem::path>& paths) {
    std::vector<DocumentStream> documents;
    documents.reserve(paths.size());
    for (const std::filesystem::path& path : paths)
        documents.emplace_back(path);
    return documents;
}

}  // namespace

SubmittedJob submitJob(const JobRequest& request) {
    const Destination destination = namedDestination(request.destination);
    if (!destination) {
        if (serverUnreachable()) throw SubmissionRefused("cannot print: " + unreachableServerText());
        refuse("cannot find the queue " + request.destination);
    }
    const std::string queue = destination->name;
    // The server that libcups reaches, as lp uses it; the connection stays
    // open for the whole job.
    http_t* const connection = CUPS_HTTP_DEFAULT;
    const DestinationInfo info(cupsCopyDestInfo(connection, destination.get()));
    if (!info) refuse("cannot ask the queue " + queue);

    JobOptionList options;
    options.addDestinationOptions(*destination);
    options.addAll(request.frontEndOptions);
    if (request.settings)
        for (const auto& [key, value] : request.settings->values())
            options.add(key, value);

    if (options.hasOverlongValue())
        throw SubmissionRefused("the queue " + queue + " cannot take the job: an option's value is longer than the " +
                                std::to_string(IPP_MAX_LENGTH) + " bytes a print request can carry");
    std::vector<DocumentStream> documents = openDocuments(request.documents);
    const InterruptHold interrupts;
    Job job{connection, destination.get(), info.get(), 0};
    if (cupsCreateDestJob(connection, destination.get(), info.get(), &job.id, request.title.c_str(), options.count(),
                          options.options()) > IPP_STATUS_OK_CONFLICTING)
        refuse("the queue " + queue + " refused the job", options.byteCount() + request.title.size());
    try {
        sendDocuments(job, documents, interrupts);
    } catch (const SubmissionRefused&) {
        // Nothing half-made stays pending on the server.
        cupsCancelDestJob(connection, destination.get(), job.id);
        throw;
    } catch (const Interrupted&) {
        cupsCancelDestJob(connection, destination.get(), job.id);
        throw SubmissionRefused("interrupted: the job " + queue + "-" + std::to_string(job.id) + " was cancelled");
    }
    return SubmittedJob{queue, job.id, request.documents.size()};
}

std::string requestIdLine(const SubmittedJob& job) {
    return "request id is " + job.queue + "-" + std::to_string(job.jobId) + " (" + std::to_string(job.documentCount) +
           " file(s))";
}

}  // namespace host
