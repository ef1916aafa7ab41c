#include "platform/http/NSURLConnection.h"

#include <curl/curl.h>

#include <cmath>
#include <deque>
#include <optional>
#include <string_view>
#include <variant>

#include "platform/http/CurlErrors.h"
#include "platform/http/CurlRunLoopDriver.h"
#include "platform/http/ResponseHeaderParser.h"

namespace {

constexpr long kMaximumRedirects = 10;
constexpr const char* kFetchableSchemes = "http,https";
constexpr NSTimeInterval kDefaultTimeoutInterval = 60.0;

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;

// The request's header fields as libcurl takes them. An empty value is
// written "Name;", which libcurl sends as an empty field.
HeaderList headerListOf(const NSMutableURLRequest& request) {
    curl_slist* list = nullptr;
    for (const auto& [name, value] : request.allHTTPHeaderFields()) {
        const std::string line = value.empty() ? name + ";" : name + ": " + value;
        list = curl_slist_append(list, line.c_str());
    }
    // libcurl would hold large bodies back for an "Expect: 100-continue"
    // that this platform's client has never sent.
    if (!request.valueForHTTPHeaderField("Expect")) list = curl_slist_append(list, "Expect:");
    return HeaderList(list);
}

}  // namespace

class NSURLConnection::Transfer {
public:
    Transfer(NSURLConnection& owner, NSURLConnectionDelegate* delegate)
        : owner_(owner), delegate_(delegate), driver_([this] { afterCurlWork(); }) {}
    ~Transfer();

    bool start(const NSMutableURLRequest& request);
    void cancel();

private:
    struct Finished {};
    using Event = std::variant<NSHTTPURLResponse, NSData, Finished, NSError>;

    static size_t onHeader(char* data, size_t size, size_t count, void* transfer);
    static size_t onBody(char* data, size_t size, size_t count, void* transfer);
    bool configure(const NSMutableURLRequest& request);
    void configureMethodAndBody(const NSMutableURLRequest& request);
    void takeHeaderLine(std::string_view line);
    void takeBody(const char* data, size_t length);
    void queueUndeliveredResponse();
    void afterCurlWork();
    void end(CURLcode result);
    void detach();
    void deliverEvents();
    void deliver(const Event& event);

    NSURLConnection& owner_;
    NSURLConnectionDelegate* delegate_;
    platform::CurlRunLoopDriver driver_;
    HeaderList headers_;
    NSData body_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
    // Declared after what it points to, so that it goes first.
    EasyHandle easy_;
    platform::ResponseHeaderParser parser_;
    std::optional<NSHTTPURLResponse> undeliveredResponse_;
    // Gathered while libcurl works, delivered after it has returned, so that
    // the delegate may do anything, even run the run loop again.
    std::deque<Event> events_;
    bool attached_ = false;
    bool over_ = false;  // finished, failed or cancelled: no more events
    // Expires when the transfer is destroyed, which a delegate call may do.
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0);
};

NSURLConnection::Transfer::~Transfer() {
    detach();
}

bool NSURLConnection::Transfer::start(const NSMutableURLRequest& request) {
    if (!driver_.valid()) return false;
    easy_.reset(curl_easy_init());
    if (!easy_ || !configure(request)) return false;
    attached_ = driver_.add(easy_.get());
    return attached_;
}

bool NSURLConnection::Transfer::configure(const NSMutableURLRequest& request) {
    CURL* easy = easy_.get();
    const NSTimeInterval timeout = request.timeoutInterval() > 0 ? request.timeoutInterval() : kDefaultTimeoutInterval;
    const long timeoutSeconds = static_cast<long>(std::ceil(timeout));
    headers_ = headerListOf(request);

    bool ok = curl_easy_setopt(easy, CURLOPT_URL, request.URL().absoluteString().c_str()) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, kFetchableSchemes) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kFetchableSchemes) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaximumRedirects) == CURLE_OK;
    // A redirected POST is sent again as a POST with its body, whatever the
    // status: turned into a GET it would keep the caller's Content-Length
    // and leave the server waiting for a body that never comes.
    ok = ok && curl_easy_setopt(easy, CURLOPT_POSTREDIR, CURL_REDIR_POST_ALL) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers_.get()) == CURLE_OK;
    if (!ok) return false;
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // No content coding is offered: a small compressed answer could expand
    // without bound before the caller's size limit ever sees it.
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "NelvoPlatform/2.0");
    // The request's time-out is for a stalled exchange, not a slow one.
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, timeoutSeconds);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, timeoutSeconds);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    configureMethodAndBody(request);
    return true;
}

void NSURLConnection::Transfer::configureMethodAndBody(const NSMutableURLRequest& request) {
    CURL* easy = easy_.get();
    const std::string& method = request.HTTPMethod();
    if (request.HTTPBody()) body_ = *request.HTTPBody();
    const bool hasBody = request.HTTPBody().has_value();
    if (method == "GET" && !hasBody) {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
        return;
    }
    if (method == "HEAD") {
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        return;
    }
    // A POST (or another method with a body) sends exactly the body's bytes;
    // libcurl needs a pointer even for none, or it would read a callback.
    static const char kNoBytes[] = "";
    curl_easy_setopt(easy, CURLOPT_POST, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body_.size()));
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body_.empty() ? kNoBytes : reinterpret_cast<const char*>(body_.data()));
    if (method != "POST") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.c_str());
}

size_t NSURLConnection::Transfer::onHeader(char* data, size_t size, size_t count, void* transfer) {
    static_cast<Transfer*>(transfer)->takeHeaderLine(std::string_view(data, size * count));
    return size * count;
}

size_t NSURLConnection::Transfer::onBody(char* data, size_t size, size_t count, void* transfer) {
    static_cast<Transfer*>(transfer)->takeBody(data, size * count);
    return size * count;
}

// A response is told when its body begins or when the exchange ends, never
// at the end of its header block: a redirect that libcurl follows is then
// not told at all, as the delegate expects.
void NSURLConnection::Transfer::takeHeaderLine(std::string_view line) {
    if (!parser_.addLine(line)) return;
    char* url = nullptr;
    curl_easy_getinfo(easy_.get(), CURLINFO_EFFECTIVE_URL, &url);
    undeliveredResponse_.emplace(url ? url : "", parser_.statusCode(), parser_.headers());
}

void NSURLConnection::Transfer::takeBody(const char* data, size_t length) {
    queueUndeliveredResponse();
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    events_.emplace_back(NSData(bytes, bytes + length));
}

void NSURLConnection::Transfer::queueUndeliveredResponse() {
    if (!undeliveredResponse_) return;
    events_.emplace_back(std::move(*undeliveredResponse_));
    undeliveredResponse_.reset();
}

void NSURLConnection::Transfer::afterCurlWork() {
    while (const auto completion = driver_.nextCompletion())
        if (completion->easy == easy_.get()) end(completion->result);
    deliverEvents();
}

void NSURLConnection::Transfer::end(CURLcode result) {
    if (result == CURLE_OK) {
        queueUndeliveredResponse();
        events_.emplace_back(Finished{});
    } else {
        events_.emplace_back(platform::errorFromCurl(result, errorBuffer_));
    }
    detach();
}

void NSURLConnection::Transfer::detach() {
    if (!attached_) return;
    attached_ = false;
    driver_.remove(easy_.get());
}

void NSURLConnection::Transfer::cancel() {
    over_ = true;
    events_.clear();
    detach();
}

void NSURLConnection::Transfer::deliverEvents() {
    const std::weak_ptr<int> alive = lifetime_;
    while (!events_.empty() && !over_) {
        const Event event = std::move(events_.front());
        events_.pop_front();
        if (!std::holds_alternative<NSHTTPURLResponse>(event) && !std::holds_alternative<NSData>(event)) over_ = true;
        deliver(event);
        if (alive.expired()) return;
    }
}

void NSURLConnection::Transfer::deliver(const Event& event) {
    if (!delegate_) return;
    NSURLConnection* connection = &owner_;
    if (const auto* response = std::get_if<NSHTTPURLResponse>(&event))
        delegate_->connection(connection, *response);
    else if (const auto* data = std::get_if<NSData>(&event))
        delegate_->connection(connection, *data);
    else if (const auto* error = std::get_if<NSError>(&event))
        delegate_->connection(connection, *error);
    else
        delegate_->connectionDidFinishLoading(connection);
}

std::unique_ptr<NSURLConnection> NSURLConnection::connectionWithRequest(const NSMutableURLRequest& request,
                                                                        NSURLConnectionDelegate* delegate) {
    std::unique_ptr<NSURLConnection> connection(new NSURLConnection());
    connection->transfer_ = std::make_unique<Transfer>(*connection, delegate);
    if (!connection->transfer_->start(request)) return nullptr;
    return connection;
}

NSURLConnection::~NSURLConnection() = default;

void NSURLConnection::cancel() {
    transfer_->cancel();
}
