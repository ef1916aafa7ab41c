#include "host/cups/InterruptHold.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <initializer_list>

namespace host {

InterruptHold::InterruptHold() {
    sigemptyset(&held_);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&held_, signal);
    pthread_sigmask(SIG_BLOCK, &held_, &previous_);
    descriptor_ = signalfd(-1, &held_, SFD_CLOEXEC | SFD_NONBLOCK);
}

InterruptHold::~InterruptHold() {
    if (descriptor_ >= 0) ::close(descriptor_);
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

bool InterruptHold::arrived() const {
    sigset_t pending;
    sigpending(&pending);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        if (sigismember(&pending, signal) && sigismember(&held_, signal)) return true;
    return false;
}

}  // namespace host
