#include "tests/support/RunProgram.h"

#include "tests/support/ChildEnvironment.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>

namespace {

// Both ends of a pipe, closed when it goes.
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe2: ") + std::strerror(errno));
        read = ends[0];
        write = ends[1];
    }
    ~Pipe() {
        closeEnd(read);
        closeEnd(write);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    static void closeEnd(int& end) {
        if (end >= 0) ::close(end);
        end = -1;
    }
};

pid_t spawn(std::vector<std::string> argv, std::vector<std::string> environment, Pipe& in, Pipe& out, Pipe& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    // The child starts with SIGPIPE at its default, whatever the test did.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> arguments = pointersTo(argv);
    std::vector<char*> variables = pointersTo(environment);
    pid_t child = -1;
    const int failed = posix_spawn(&child, arguments[0], &actions, &attributes, arguments.data(), variables.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(failed));
    return child;
}

// Feeds the child's input and drains its two outputs together, so that
// neither side waits for the other on a full pipe.
void exchange(const std::string& stdinText, Pipe& in, Pipe& out, Pipe& err, ProgramResult& result) {
    size_t fed = 0;
    if (stdinText.empty()) Pipe::closeEnd(in.write);
    // A blocking write of more than the pipe holds would wait for the child
    // while the child waits for us to read its output.
    if (in.write >= 0) fcntl(in.write, F_SETFL, O_NONBLOCK);
    while (out.read >= 0 || err.read >= 0) {
        pollfd watched[3] = {{in.write, POLLOUT, 0}, {out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
        if (poll(watched, 3, -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        }
        if (watched[0].revents & (POLLOUT | POLLERR | POLLHUP)) {
            const ssize_t written = ::write(in.write, stdinText.data() + fed, stdinText.size() - fed);
            if (written > 0) fed += static_cast<size_t>(written);
            const bool stuck = written < 0 && errno != EAGAIN && errno != EINTR;
            if (stuck || fed == stdinText.size()) Pipe::closeEnd(in.write);
        }
        const auto drain = [](pollfd& watch, Pipe& pipe, std::string& into) {
            if (!(watch.revents & (POLLIN | POLLHUP | POLLERR))) return;
            char chunk[4096];
            const ssize_t got = ::read(pipe.read, chunk, sizeof chunk);
            if (got > 0)
                into.append(chunk, static_cast<size_t>(got));
            else if (got == 0 || errno != EINTR)
                Pipe::closeEnd(pipe.read);
        };
        drain(watched[1], out, result.out);
        drain(watched[2], err, result.err);
    }
    Pipe::closeEnd(in.write);
}

}  // namespace

ProgramResult runProgram(const std::vector<std::string>& argv, const std::string& stdinText,
                         const std::map<std::string, std::string>& extraEnv) {
    if (argv.empty()) throw std::runtime_error("runProgram needs a program");
    // A child that stops reading must not end the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    Pipe in, out, err;
    const pid_t child = spawn(argv, environmentWith(extraEnv), in, out, err);
    Pipe::closeEnd(in.read);
    Pipe::closeEnd(out.write);
    Pipe::closeEnd(err.write);

    ProgramResult result;
    exchange(stdinText, in, out, err, result);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}
