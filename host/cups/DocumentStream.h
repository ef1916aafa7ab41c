// One document of a job as it is sent: a file, a FIFO, or standard input
// ("-"), opened before the job is made and read once, from start to end,
// while the job is sent. Nothing is read before, so that a stream's bytes
// all reach the job.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "platform/core/CoreTypes.h"

namespace host {

class InterruptHold;

class DocumentStream {
public:
    // Throws SubmissionRefused when the document cannot be opened.
    explicit DocumentStream(const std::filesystem::path& document);
    DocumentStream(DocumentStream&& other) noexcept = default;
    DocumentStream(const DocumentStream&) = delete;
    DocumentStream& operator=(const DocumentStream&) = delete;
    DocumentStream& operator=(DocumentStream&&) = delete;

    enum class Read { bytes, end, failed, interrupted };
    // Waits for the next bytes, or for a held signal; `count` is set to
    // how many came.
    Read next(char* buffer, size_t size, const InterruptHold& interrupts, size_t& count);

    // The name the job lists the document by: its file name, or "(stdin)".
    std::string name() const;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    platform::FileDescriptor opened_{-1};  // none for standard input, which stays open
    int descriptor_ = -1;
};

// Whether `document` names standard input, as lp takes "-".
bool isStandardInput(const std::filesystem::path& document);

}  // namespace host
