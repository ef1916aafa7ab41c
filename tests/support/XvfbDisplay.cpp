#include "tests/support/XvfbDisplay.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace {

constexpr std::chrono::seconds kStartDeadline{20};

class XvfbServer {
public:
    XvfbServer() {
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) throw std::runtime_error("no pipe for Xvfb");
        const std::string descriptor = std::to_string(pipeEnds[1]);
        pid_ = fork();
        if (pid_ == 0) {
            close(pipeEnds[0]);
            execlp("Xvfb", "Xvfb", "-displayfd", descriptor.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeEnds[1]);
        if (pid_ < 0) throw std::runtime_error("cannot start Xvfb");
        display_ = ":" + readDisplayNumber(pipeEnds[0]);
        close(pipeEnds[0]);
        setenv("DISPLAY", display_.c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        // Cairo draws the same on every machine; GTK needs no session bus.
        setenv("GSK_RENDERER", "cairo", 1);
        setenv("GDK_BACKEND", "x11", 1);
        setenv("GTK_A11Y", "none", 1);
        setenv("NO_AT_BRIDGE", "1", 1);
    }
    ~XvfbServer() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    const std::string& display() const { return display_; }

private:
    // Xvfb writes its display number once it accepts connections.
    std::string readDisplayNumber(int descriptor) {
        const auto deadline = std::chrono::steady_clock::now() + kStartDeadline;
        std::string number;
        while (number.empty() || number.back() != '\n') {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd wait{descriptor, POLLIN, 0};
            if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0)
                throw std::runtime_error("Xvfb did not answer in time");
            char buffer[16];
            const ssize_t got = read(descriptor, buffer, sizeof buffer);
            if (got <= 0) throw std::runtime_error("Xvfb ended before it answered");
            number.append(buffer, static_cast<size_t>(got));
        }
        number.pop_back();
        return number;
    }

    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace

const std::string& privateDisplay() {
    static const XvfbServer server;
    return server.display();
}
