#include "tools/DeviceSimulator.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "tools/JobInterface.h"

namespace {

constexpr size_t kBodyPieceBytes = 64 * 1024;
constexpr const char* kAnswerContentType = "text/xml; charset=utf-8";

// What httplib adds to a request's header fields of its own; not on the wire.
bool isConnectionDetail(const std::string& name) {
    return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT";
}

bool sameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// A socket bound to host:port that never listens: the kernel refuses every
// connection to it, and no one else can take the port meanwhile.
int boundSocket(const std::string& host, int port, int& boundPort) {
    sockaddr_storage address{};
    socklen_t length = 0;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
    if (inet_pton(AF_INET, host.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(static_cast<uint16_t>(port));
        length = sizeof(*v4);
    } else if (inet_pton(AF_INET6, host.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(static_cast<uint16_t>(port));
        length = sizeof(*v6);
    } else {
        throw std::runtime_error("not a numeric address: " + host);
    }
    const int descriptor = ::socket(address.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) throw std::runtime_error("cannot make a socket");
    if (::bind(descriptor, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(descriptor, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(descriptor);
        throw std::runtime_error("cannot bind " + host + ":" + std::to_string(port));
    }
    boundPort = ntohs(address.ss_family == AF_INET ? v4->sin_port : v6->sin6_port);
    return descriptor;
}

// Like the device, the simulator answers only a request whose body is as long
// as its Content-Length says; the server library would take a shorter one.
bool carriesAnnouncedBody(const httplib::Request& request) {
    if (!request.has_header("Content-Length")) return true;
    return request.get_header_value("Content-Length") == std::to_string(request.body.size());
}

}  // namespace

DeviceBehaviour answeringWith(std::string body) {
    DeviceBehaviour behaviour;
    behaviour.answerBody = std::move(body);
    return behaviour;
}

std::vector<std::string> RecordedRequest::headerValues(const std::string& name) const {
    std::vector<std::string> values;
    for (const auto& [field, value] : headers)
        if (sameName(field, name)) values.push_back(value);
    return values;
}

DeviceSimulator::DeviceSimulator(DeviceBehaviour behaviour, std::string host, int port, RequestObserver observer,
                                 JobStore* jobs)
    : behaviour_(std::move(behaviour)), host_(std::move(host)), observer_(std::move(observer)) {
    if (behaviour_.refuse) {
        refusingSocket_ = boundSocket(host_, port, port_);
        return;
    }
    server_ = std::make_unique<httplib::Server>();
    const auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        handle(request, response);
    };
    // Routes match in the order they are added: the job interface's first.
    if (jobs) addJobRoutes(*server_, *jobs);
    server_->Post(".*", handler);
    server_->Get(".*", handler);
    server_->set_logger([this](const httplib::Request&, const httplib::Response&) { noteAnswered(); });
    port_ = port == 0 ? server_->bind_to_any_port(host_) : (server_->bind_to_port(host_, port) ? port : -1);
    if (port_ <= 0) throw std::runtime_error("cannot listen on " + host_ + ":" + std::to_string(port));
    serve();
}

DeviceSimulator::~DeviceSimulator() {
    stop();
}

void DeviceSimulator::serve() {
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // httplib ignores a stop that comes before it runs; the socket already
    // listens, so connections queue meanwhile.
    while (!server_->is_running())
        std::this_thread::yield();
}

std::string DeviceSimulator::address() const {
    const bool v6 = host_.find(':') != std::string::npos;
    return (v6 ? "[" + host_ + "]" : host_) + ":" + std::to_string(port_);
}

void DeviceSimulator::stop() {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        stopping_ = true;
    }
    changed_.notify_all();
    if (server_) server_->stop();
    if (thread_.joinable()) thread_.join();
    if (refusingSocket_ >= 0) ::close(refusingSocket_);
    refusingSocket_ = -1;
}

std::vector<RecordedRequest> DeviceSimulator::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

void DeviceSimulator::waitForAnswers(size_t count) const {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stopping_ || answered_ >= count; });
}

std::optional<DeviceSimulator::Clock::time_point> DeviceSimulator::lastBodyByteSent() const {
    const std::lock_guard lock(mutex_);
    return lastBodyByte_;
}

void DeviceSimulator::handle(const httplib::Request& request, httplib::Response& response) {
    record(request);
    if (!carriesAnnouncedBody(request)) {
        response.status = 400;
        return;
    }
    if (request.method != "POST") {
        response.status = 405;
        return;
    }
    if (!holdAnswer()) {
        response.status = 503;
        return;
    }
    if (behaviour_.redirectLocation && request.path == kFolderServicePath) {
        response.set_redirect(*behaviour_.redirectLocation, behaviour_.redirectStatus);
        // A body of its own, which a client that follows must not keep.
        response.set_content("<moved/>", kAnswerContentType);
        return;
    }
    sendBody(response, behaviour_.status);
}

void DeviceSimulator::record(const httplib::Request& request) {
    RecordedRequest recorded{request.method, request.path, {}, request.body};
    for (const auto& [name, value] : request.headers)
        if (!isConnectionDetail(name)) recorded.headers.emplace_back(name, value);
    if (observer_) observer_(recorded);
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(std::move(recorded));
    }
    changed_.notify_all();
}

bool DeviceSimulator::holdAnswer() {
    std::unique_lock lock(mutex_);
    if (behaviour_.neverAnswer)
        changed_.wait(lock, [&] { return stopping_; });
    else
        changed_.wait_for(lock, behaviour_.answerDelay, [&] { return stopping_; });
    return !stopping_;
}

// The body goes out in pieces through a provider, so that the moment of its
// last byte is known.
void DeviceSimulator::sendBody(httplib::Response& response, int status) {
    response.status = status;
    if (behaviour_.contentEncoding) response.set_header("Content-Encoding", *behaviour_.contentEncoding);
    if (behaviour_.answerBody.empty()) {
        // A provider of no bytes is never asked for any, and the answer would
        // never go out: an empty body is sent as plain content.
        response.set_content("", kAnswerContentType);
        const std::lock_guard lock(mutex_);
        lastBodyByte_ = Clock::now();
        return;
    }
    const auto body = std::make_shared<const std::string>(behaviour_.answerBody);
    response.set_content_provider(body->size(), kAnswerContentType,
                                  [this, body](size_t offset, size_t length, httplib::DataSink& sink) {
                                      const size_t piece = std::min(length, kBodyPieceBytes);
                                      if (!sink.write(body->data() + offset, piece)) return false;
                                      if (offset + piece == body->size()) {
                                          const std::lock_guard lock(mutex_);
                                          lastBodyByte_ = Clock::now();
                                      }
                                      return true;
                                  });
}

void DeviceSimulator::noteAnswered() {
    {
        const std::lock_guard lock(mutex_);
        ++answered_;
    }
    changed_.notify_all();
}
