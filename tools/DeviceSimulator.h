// A stand-in for the device's folder service: an HTTP server on a loopback
// port that answers every POST with a configured answer, and records the
// requests it receives. Used by the device-simulator program and, in
// process, by the tests and benchmarks.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib
class JobStore;

inline constexpr const char* kFolderServicePath = "/nelvo-mfp-srv";

struct DeviceBehaviour {
    std::string answerBody;  // sent with every answer, whatever its status
    int status = 200;
    std::chrono::milliseconds answerDelay{0};  // answer late
    bool neverAnswer = false;                  // hold the request until the simulator stops
    // The service path answers with a redirect to this location; every
    // other path answers as above, so a redirect elsewhere ends there.
    std::optional<std::string> redirectLocation;
    int redirectStatus = 307;
    bool refuse = false;  // hold the port but refuse every connection
    // Sent as the answer's Content-Encoding, whatever the request offered;
    // the answer body is then already in that coding.
    std::optional<std::string> contentEncoding;
};

// A device that answers every POST at once with `body`.
DeviceBehaviour answeringWith(std::string body);

struct RecordedRequest {
    std::string method;
    std::string path;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;

    // The values of header `name` (compared without regard to letter case).
    std::vector<std::string> headerValues(const std::string& name) const;
};

class DeviceSimulator {
public:
    using Clock = std::chrono::steady_clock;
    using RequestObserver = std::function<void(const RecordedRequest&)>;

    // Serves on `host`:`port`; port 0 takes a free one. `observer` hears of
    // each request when it arrives, on a server thread. Throws
    // std::runtime_error when the port cannot be had. With `jobs`, the
    // device's job interface answers beside the folder service.
    explicit DeviceSimulator(DeviceBehaviour behaviour, std::string host = "127.0.0.1", int port = 0,
                             RequestObserver observer = {}, JobStore* jobs = nullptr);
    ~DeviceSimulator();
    DeviceSimulator(const DeviceSimulator&) = delete;
    DeviceSimulator& operator=(const DeviceSimulator&) = delete;

    int port() const { return port_; }
    // host:port as a URL's authority, an IPv6 host in brackets.
    std::string address() const;

    std::vector<RecordedRequest> requests() const;
    // Blocks until `count` answers have been sent in full, or the simulator stops.
    void waitForAnswers(size_t count) const;
    // When the last byte of the latest answer body went out.
    std::optional<Clock::time_point> lastBodyByteSent() const;

    // Releases held requests and stops serving; the destructor does it too.
    void stop();

private:
    void serve();
    void refuseConnections();
    void handle(const httplib::Request& request, httplib::Response& response);
    void record(const httplib::Request& request);
    // Waits out the answer delay; answers whether the simulator still runs.
    bool holdAnswer();
    void sendBody(httplib::Response& response, int status);
    void noteAnswered();

    DeviceBehaviour behaviour_;
    std::string host_;
    int port_ = 0;
    RequestObserver observer_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int refusingSocket_ = -1;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool stopping_ = false;
    std::vector<RecordedRequest> requests_;
    size_t answered_ = 0;
    std::optional<Clock::time_point> lastBodyByte_;
};
