#include "tests/support/PrivateCups.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "tests/support/ChildEnvironment.h"
#include "tests/support/RunProgram.h"

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A port that nothing listens on now: the kernel's pick for port 0.
int freeLoopbackPort() {
    const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (probe < 0 || bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error(std::string("no free loopback port: ") + std::strerror(errno));
    ::close(probe);
    return ntohs(address.sin_port);
}

bool answers(int port) {
    const int connection = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    const bool connected = connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(connection);
    return connected;
}

pid_t startScheduler(const std::filesystem::path& directory, int port) {
    std::vector<std::string> argv = {NELVO_SOURCE_DIR "/scripts/private-cupsd.sh", (directory / "server").string(),
                                     std::to_string(port)};
    std::vector<std::string> environment = environmentWith({{"NELVO_JOB_FILTER", NELVO_BUILD_DIR "/nelvo-job-filter"}});
    std::vector<char*> arguments = pointersTo(argv);
    std::vector<char*> variables = pointersTo(environment);
    const std::string log = (directory / "scheduler.log").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t child = -1;
    const int failed = posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), variables.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error(std::string("cannot start private-cupsd.sh: ") + std::strerror(failed));
    return child;
}

// The capture's "name: value" lines.
std::map<std::string, std::string> fieldsOf(const std::string& capture) {
    std::map<std::string, std::string> fields;
    std::istringstream lines(capture);
    for (std::string line; std::getline(lines, line);) {
        const size_t colon = line.find(": ");
        if (colon != std::string::npos) fields.emplace(line.substr(0, colon), line.substr(colon + 2));
    }
    return fields;
}

// A connection to the server for the test's own questions.
struct ServerConnection {
    http_t* http;
    explicit ServerConnection(http_t* opened) : http(opened) {}
    explicit ServerConnection(int port)
        : http(httpConnect2("127.0.0.1", port, nullptr, AF_INET, HTTP_ENCRYPTION_IF_REQUESTED, 1, 30000, nullptr)) {
        if (!http) throw std::runtime_error("cannot reach the private CUPS");
    }
    ~ServerConnection() { httpClose(http); }
};

size_t countJobs(int port, int which) {
    const ServerConnection connection(port);
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(connection.http, &jobs, nullptr, 0, which);
    cupsFreeJobs(count, jobs);
    if (count < 0) throw std::runtime_error(std::string("cannot list the jobs: ") + cupsLastErrorString());
    return static_cast<size_t>(count);
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

PrivateCups::PrivateCups() {
    // Run as root, the scheduler's filters run as the user lp, who must pass
    // through this folder (see TestMain.cpp).
    std::filesystem::permissions(directory(), std::filesystem::perms::others_exec | std::filesystem::perms::group_exec,
                                 std::filesystem::perm_options::add);
    // Another program may take the free port before the scheduler binds it:
    // then the scheduler ends, and the next try takes another port.
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = freeLoopbackPort();
        server_ = "127.0.0.1:" + std::to_string(port_);
        scheduler_ = startScheduler(directory(), port_);
        if (answersInTime()) return;
    }
    throw std::runtime_error("the private CUPS did not start:\n" + readFile(directory() / "scheduler.log") +
                             readFile(directory() / "server" / "log" / "error_log"));
}

bool PrivateCups::answersInTime() {
    int status = 0;
    bool ended = false;
    const bool up = waitUntil([&] {
        ended = waitpid(scheduler_, &status, WNOHANG) == scheduler_;
        return ended || answers(port_);
    });
    if (up && !ended) return true;
    if (!ended) {
        kill(scheduler_, SIGKILL);
        waitpid(scheduler_, &status, 0);
    }
    scheduler_ = -1;
    return false;
}

PrivateCups::~PrivateCups() {
    stop();
}

void PrivateCups::stop() {
    if (scheduler_ < 0) return;
    kill(scheduler_, SIGTERM);
    int status = 0;
    if (!waitUntil([&] { return waitpid(scheduler_, &status, WNOHANG) == scheduler_; })) {
        kill(scheduler_, SIGKILL);
        waitpid(scheduler_, &status, 0);
    }
    scheduler_ = -1;
}

void PrivateCups::administer(const std::vector<std::string>& command) const {
    const ProgramResult result = runProgram(command, {}, environment());
    if (result.exitStatus != 0) throw std::runtime_error("'" + command.front() + "' failed: " + result.err);
}

std::filesystem::path PrivateCups::deviceFile(const std::string& queue) const {
    return directory() / (queue + ".printed");
}

std::filesystem::path PrivateCups::capturingVariant(const std::string& queue, const std::filesystem::path& ppd) const {
    std::string text = readFile(ppd);
    const std::string jobFilter = " nelvo-job-filter\"";
    for (size_t at; (at = text.find(jobFilter)) != std::string::npos;)
        text.replace(at, jobFilter.size(), " nelvo-capture\"");
    const std::filesystem::path variant = directory() / (queue + "-capture.ppd");
    std::ofstream(variant, std::ios::binary) << text;
    return variant;
}

void PrivateCups::addQueue(const std::string& name, const std::string& deviceURI, const std::filesystem::path& ppd,
                           QueueFilter filter) {
    const std::string device = deviceURI.empty() ? "file://" + deviceFile(name).string() : deviceURI;
    const std::filesystem::path queuePpd = filter == QueueFilter::capture ? capturingVariant(name, ppd) : ppd;
    administer({"/usr/sbin/lpadmin", "-p", name, "-E", "-v", device, "-P", queuePpd.string()});
}

void PrivateCups::addQueueWithoutPpd(const std::string& name) {
    administer({"/usr/sbin/lpadmin", "-p", name, "-E", "-v", "file://" + deviceFile(name).string()});
}

namespace {

// Whether the server now refuses to check a job on `queue` without a password.
bool wantsPassword(int port, const std::string& queue) {
    cupsSetPasswordCB2([](const char*, http_t*, const char*, const char*, void*) -> const char* { return nullptr; },
                       nullptr);
    http_t* http = httpConnect2("127.0.0.1", port, nullptr, AF_INET, HTTP_ENCRYPTION_IF_REQUESTED, 1, 1000, nullptr);
    if (!http) return false;  // restarting with the new policy
    const ServerConnection connection{http};
    ipp_t* request = ippNewRequest(IPP_OP_VALIDATE_JOB);
    const std::string uri = "ipp://127.0.0.1:" + std::to_string(port) + "/printers/" + queue;
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippDelete(cupsDoRequest(connection.http, request, "/"));
    return cupsLastError() == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED ||
           cupsLastError() == IPP_STATUS_ERROR_NOT_AUTHENTICATED;
}

}  // namespace

void PrivateCups::requirePasswordToPrint() {
    const std::filesystem::path conf = directory() / "server" / "conf" / "cupsd.conf";
    std::string text = readFile(conf);
    const std::string open = "<Policy default>\n";
    text.replace(text.find(open), open.size(),
                 open +
                     "  <Limit Create-Job Print-Job Validate-Job>\n    AuthType Basic\n    Require valid-user\n"
                     "    Order allow,deny\n    Allow from 127.0.0.1\n  </Limit>\n");
    { std::ofstream(conf, std::ios::trunc) << text; }
    // Any queue shows the policy; one is made for asking.
    addQueue("PasswordProbe");
    kill(scheduler_, SIGHUP);
    if (!waitUntil([&] { return wantsPassword(port_, "PasswordProbe"); }))
        throw std::runtime_error("the private CUPS does not ask for a password:\n" +
                                 readFile(directory() / "server" / "log" / "error_log"));
}

CapturedJob PrivateCups::waitForCapture(const std::string& queue) const {
    std::string capture;
    if (!waitUntil([&] {
            capture = readFile(deviceFile(queue));
            return capture.size() >= 4 && capture.compare(capture.size() - 4, 4, "end\n") == 0;
        }))
        throw std::runtime_error("no job reached the filter of " + queue + ":\n" +
                                 readFile(directory() / "server" / "log" / "error_log"));
    std::map<std::string, std::string> fields = fieldsOf(capture);
    CapturedJob job{fields["user"], fields["title"], fields["copies"], {}};
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(fields["options"].c_str(), 0, &options);
    for (int index = 0; index < count; ++index)
        job.options[options[index].name] = options[index].value;
    cupsFreeOptions(count, options);
    return job;
}

size_t PrivateCups::jobCount() const {
    return countJobs(port_, CUPS_WHICHJOBS_ALL);
}
size_t PrivateCups::unfinishedJobCount() const {
    return countJobs(port_, CUPS_WHICHJOBS_ACTIVE);
}

namespace {

std::filesystem::path userLpoptionsPath() {
    return std::filesystem::path(std::getenv("HOME")) / ".cups" / "lpoptions";
}

}  // namespace

UserLpoptions::UserLpoptions(const std::string& text) {
    if (text.empty()) return;
    std::filesystem::create_directories(userLpoptionsPath().parent_path());
    std::ofstream(userLpoptionsPath()) << text;
}

UserLpoptions::~UserLpoptions() {
    std::error_code ignored;
    std::filesystem::remove(userLpoptionsPath(), ignored);
}
