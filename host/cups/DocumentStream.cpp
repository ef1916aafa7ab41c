#include "host/cups/DocumentStream.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "host/cups/InterruptHold.h"
#include "host/cups/JobSubmission.h"

namespace host {

bool isStandardInput(const std::filesystem::path& document) {
    return document == "-";
}

DocumentStream::DocumentStream(const std::filesystem::path& document) : path_(document) {
    if (isStandardInput(document)) {
        descriptor_ = STDIN_FILENO;
        return;
    }
    // A FIFO's open waits for its writer: before the job exists, where
    // Ctrl-C still ends the program at once.
    int opened = -1;
    do {
        opened = ::open(document.c_str(), O_RDONLY | O_CLOEXEC);
    } while (opened < 0 && errno == EINTR);
    if (opened < 0) throw SubmissionRefused("cannot read the document " + document.string());
    opened_ = platform::FileDescriptor(opened);
    descriptor_ = opened;
}

std::string DocumentStream::name() const {
    return isStandardInput(path_) ? "(stdin)" : path_.filename().string();
}

DocumentStream::Read DocumentStream::next(char* buffer, size_t size, const InterruptHold& interrupts, size_t& count) {
    count = 0;
    pollfd watched[2] = {{descriptor_, POLLIN, 0}, {interrupts.descriptor(), POLLIN, 0}};
    for (;;) {
        if (interrupts.arrived()) return Read::interrupted;
        const int ready = ::poll(watched, interrupts.descriptor() >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno != EINTR) return Read::failed;
        if (ready <= 0 || watched[0].revents == 0) continue;
        const ssize_t got = ::read(descriptor_, buffer, size);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got < 0) return Read::failed;
        if (got == 0) return Read::end;
        count = static_cast<size_t>(got);
        return Read::bytes;
    }
}

}  // namespace host
