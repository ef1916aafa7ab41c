#include "tools/PrintPort.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "tools/JobStore.h"

namespace {

constexpr time_t kStallSeconds = 30;

int listeningSocket(const std::string& host, int port, int& boundPort) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1)
        throw std::runtime_error("the print port needs a numeric IPv4 address, not " + host);
    const int descriptor = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) throw std::runtime_error("cannot make a socket");
    const int reuse = 1;
    ::setsockopt(descriptor, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    socklen_t length = sizeof address;
    if (::bind(descriptor, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(descriptor, 64) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(descriptor);
        throw std::runtime_error("cannot listen on " + host + ":" + std::to_string(port));
    }
    boundPort = ntohs(address.sin_port);
    return descriptor;
}

}  // namespace

PrintPort::PrintPort(JobStore& store, const std::string& host, int port) : store_(store) {
    listening_ = listeningSocket(host, port, port_);
    if (::pipe2(stopPipe_, O_CLOEXEC) != 0) {
        ::close(listening_);
        throw std::runtime_error("cannot make a pipe");
    }
    thread_ = std::thread([this] { serve(); });
}

PrintPort::~PrintPort() {
    const char stop = 's';
    [[maybe_unused]] const ssize_t written = ::write(stopPipe_[1], &stop, 1);
    thread_.join();
    for (int descriptor : {listening_, stopPipe_[0], stopPipe_[1]})
        ::close(descriptor);
}

void PrintPort::serve() {
    pollfd watched[2] = {{listening_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0 && errno != EINTR) return;
        if (watched[1].revents) return;
        if (!(watched[0].revents & POLLIN)) continue;
        const int connection = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) takeJob(connection);
    }
}

void PrintPort::takeJob(int connection) {
    // A sender that stalls gives up its turn: its job ends where it stopped.
    const timeval patience{kStallSeconds, 0};
    ::setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    std::string job;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(connection, buffer, sizeof buffer);
        if (got > 0) {
            job.append(buffer, static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(connection);
    store_.receive(std::move(job));
}
