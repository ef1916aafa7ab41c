#include "tests/support/PtyDialog.h"

#include "tests/support/ChildEnvironment.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

// Generous: the sanitizer build is slow, and a deadline only ends a test
// that has failed anyway.
constexpr std::chrono::seconds kPatience{30};
// The dialog writes its screens to this descriptor.
constexpr int kDumpDescriptor = 9;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

winsize sizeOf(int rows, int columns) {
    winsize size{};
    size.ws_row = static_cast<unsigned short>(rows);
    size.ws_col = static_cast<unsigned short>(columns);
    return size;
}

}  // namespace

PtyDialog::PtyDialog(const Setup& setup) {
    std::vector<std::string> argv = {NELVO_BUILD_DIR "/print-dialog", "--screen-dump", std::to_string(kDumpDescriptor)};
    argv.insert(argv.end(), setup.arguments.begin(), setup.arguments.end());
    // A known terminal and locale unless the test says otherwise.
    std::map<std::string, std::string> overrides = {{"TERM", "xterm"}, {"LC_ALL", "C.UTF-8"}, {"LANGUAGE", ""}};
    for (const auto& [name, value] : setup.environment)
        overrides[name] = value;
    std::vector<std::string> environment = environmentWith(overrides);
    // Made before the fork: the child may only make async-signal-safe calls.
    std::vector<char*> arguments = pointersTo(argv);
    std::vector<char*> variables = pointersTo(environment);

    int dump[2];
    if (pipe2(dump, O_CLOEXEC) != 0) fail("pipe2");
    winsize size = sizeOf(24, 80);
    child_ = forkpty(&master_, nullptr, nullptr, &size);
    if (child_ < 0) fail("forkpty");
    if (child_ == 0) {
        dump[1] == kDumpDescriptor ? fcntl(dump[1], F_SETFD, 0) : dup2(dump[1], kDumpDescriptor);
        execve(arguments[0], arguments.data(), variables.data());
        _exit(127);
    }
    ::close(dump[1]);
    dumpRead_ = dump[0];
}

PtyDialog::~PtyDialog() {
    if (exitStatus_ < 0 && child_ > 0) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
    if (dumpRead_ >= 0) ::close(dumpRead_);
}

void PtyDialog::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(master_, bytes.data(), bytes.size());
        if (written <= 0) fail("writing to the terminal");
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

bool PtyDialog::pump(std::chrono::steady_clock::time_point deadline) {
    if (master_ < 0 && dumpRead_ < 0) return false;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd watched[2] = {{master_, POLLIN, 0}, {dumpRead_, POLLIN, 0}};
    const int ready = poll(watched, 2, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) fail("poll");
    // The terminal's side is drained too, so that the dialog never waits
    // for us to read what it draws. A closed end (EIO from the terminal)
    // is closed here too.
    const auto drain = [](const pollfd& watched, int& descriptor, std::string& into) {
        if (!watched.revents) return;
        char chunk[8192];
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got > 0) into.append(chunk, static_cast<size_t>(got));
        if (got < 0 && errno == EINTR) return;
        if (got <= 0) descriptor = (::close(descriptor), -1);
    };
    drain(watched[0], master_, output_);
    drain(watched[1], dumpRead_, dumpBuffer_);
    return true;
}

ScreenFrame PtyDialog::waitFor(const std::function<bool(const ScreenFrame&)>& wanted, const std::string& what) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
        while (std::optional<ScreenFrame> frame = takeFrame(dumpBuffer_))
            if (wanted(latest_ = std::move(*frame))) return latest_;
        if (!pump(deadline))
            throw std::runtime_error("no screen showed " + what + "; the last one:\n" + latest_.picture());
    }
}

ScreenFrame PtyDialog::waitForText(const std::string& text) {
    return waitFor([&](const ScreenFrame& frame) { return frame.contains(text); }, "\"" + text + "\"");
}

ScreenFrame PtyDialog::press(std::string_view bytes) {
    // The screens already read came before the key.
    while (std::optional<ScreenFrame> frame = takeFrame(dumpBuffer_))
        latest_ = std::move(*frame);
    send(bytes);
    return waitFor([](const ScreenFrame&) { return true; }, "a screen after the key " + std::string(bytes));
}

ScreenFrame PtyDialog::pressUntil(std::string_view bytes, const std::function<bool(const ScreenFrame&)>& wanted,
                                  const std::string& what, int presses) {
    for (int count = 0; !wanted(latest_); ++count) {
        if (count == presses)
            throw std::runtime_error("after " + std::to_string(presses) + " presses no screen showed " + what +
                                     "; the last one:\n" + latest_.picture());
        press(bytes);
    }
    return latest_;
}

ScreenFrame PtyDialog::tabTo(const std::string& text) {
    return pressUntil(
        keys::tab, [&](const ScreenFrame& s) { return s.cursorOnRowOf(text); }, "the cursor on " + text);
}

ScreenFrame PtyDialog::switchRetentionOn() {
    tabTo("Job Retention");
    send(keys::space);
    return waitForText("[x] Job Retention");
}

void PtyDialog::resize(int rows, int columns) {
    // The kernel tells the terminal's foreground process with SIGWINCH.
    const winsize size = sizeOf(rows, columns);
    if (ioctl(master_, TIOCSWINSZ, &size) != 0) fail("TIOCSWINSZ");
}

int PtyDialog::waitForExit() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (pump(deadline)) {}
    if (master_ >= 0 || dumpRead_ >= 0)
        throw std::runtime_error("the dialog did not end; its last screen:\n" + latest_.picture());
    int status = 0;
    waitpid(child_, &status, 0);
    exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return exitStatus_;
}
