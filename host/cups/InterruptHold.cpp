#include "host/cups/InterruptHold.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace host {

namespace {

// A signal handler reaches nothing but static storage: the write end of
// the living hold's pipe. Any thread may take the signal (GTK runs threads
// of its own), so the note goes through the pipe, not a thread's mask.
std::atomic<int> noteDescriptor{-1};

void noteSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (const int descriptor = noteDescriptor.load(); descriptor >= 0) [[maybe_unused]]
        const ssize_t written = ::write(descriptor, &number, 1);
    errno = saved;
}

}  // namespace

InterruptHold::InterruptHold() {
    if (::pipe2(pipe_.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_ = {-1, -1};
        return;
    }
    noteDescriptor.store(pipe_[1]);
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t index = 0; index < kSignals.size(); ++index)
        sigaction(kSignals[index], &action, &previous_[index]);
}

InterruptHold::~InterruptHold() {
    if (pipe_[0] < 0) return;
    arrived();
    for (size_t index = 0; index < kSignals.size(); ++index)
        sigaction(kSignals[index], &previous_[index], nullptr);
    noteDescriptor.store(-1);
    ::close(pipe_[0]);
    ::close(pipe_[1]);
    if (arrived_) ::raise(arrived_);
}

bool InterruptHold::arrived() const {
    unsigned char number = 0;
    if (!arrived_ && pipe_[0] >= 0 && ::read(pipe_[0], &number, 1) == 1) arrived_ = number;
    return arrived_ != 0;
}

}  // namespace host
