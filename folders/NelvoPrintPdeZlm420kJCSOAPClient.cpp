#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>

#include "folders/ResponseFile.h"
#include "platform/core/AtomicFile.h"
#include "platform/runloop/NSRunLoop.h"
#include "plugin/Logging.h"

namespace {

constexpr NSTimeInterval kRequestTimeoutInterval = 60.0;
// The longest the state goes unexamined while nothing happens.
constexpr NSTimeInterval kWaitSlice = 1.0;

// "fe80::1" or "fe80::1%eth0" (with a zone), not "[::1]:80" nor "host:80".
bool isBareIPv6Address(const std::string& address) {
    const std::string withoutZone = address.substr(0, address.find('%'));
    in6_addr parsed{};
    return inet_pton(AF_INET6, withoutZone.c_str(), &parsed) == 1;
}

}  // namespace

std::string folderServiceURLText(const std::string& address) {
    const std::string authority = isBareIPv6Address(address) ? "[" + address + "]" : address;
    return "http://" + authority + kFolderServiceSuffix;
}

std::unique_ptr<NelvoPrintPdeZlm420kJCSOAPClient> NelvoPrintPdeZlm420kJCSOAPClient::initWithServerName(
    const std::string& server, SOAPClientCallback* context, NSTimeInterval timeLimit) {
    std::optional<NSURL> url = NSURL::URLWithString(server);
    if (!url) return nullptr;
    return std::unique_ptr<NelvoPrintPdeZlm420kJCSOAPClient>(
        new NelvoPrintPdeZlm420kJCSOAPClient(std::move(*url), context, timeLimit));
}

NelvoPrintPdeZlm420kJCSOAPClient::NelvoPrintPdeZlm420kJCSOAPClient(NSURL url, SOAPClientCallback* context,
                                                                   NSTimeInterval timeLimit)
    : m_context(context), url(std::move(url)), timeLimit_(timeLimit) {}

NelvoPrintPdeZlm420kJCSOAPClient::~NelvoPrintPdeZlm420kJCSOAPClient() = default;

NSMutableURLRequest NelvoPrintPdeZlm420kJCSOAPClient::makeRequest(const std::optional<NSData>& body) const {
    NSMutableURLRequest request(url, NSURLRequestReloadIgnoringLocalCacheData, kRequestTimeoutInterval);
    request.setHTTPMethod("POST");
    request.setHTTPBody(body);
    const long length = body ? static_cast<long>(body->size()) : 0L;
    request.setValue("\"SoapActionDummy\"", "SOAPAction");
    request.setValue("application/soap; charset=\"utf-8\"", "Content-Type");
    request.setValue(std::to_string(length), "Content-Length");
    return request;
}

void NelvoPrintPdeZlm420kJCSOAPClient::sendMessage(const std::optional<NSData>& body) {
    responseData.reset();
    const NSMutableURLRequest request = makeRequest(body);
    finished = running;
    connection_ = NSURLConnection::connectionWithRequest(request, this);
    if (!connection_) {
        PDELog(this, "Connection fail");
        return;
    }
    timer_ = NSTimer::scheduledTimerWithTimeInterval(
        timeLimit_, [this](NSTimer& timer) { firedByTimer(timer); }, connection_.get());
    receivedData.emplace();
    waitForEnd();
    closeExchange();
    reportOutcome();
    receivedData.reset();
}

// Each turn of the run loop returns once it has handled an event, so the end
// of the exchange is seen at once; the slice only bounds a quiet wait.
void NelvoPrintPdeZlm420kJCSOAPClient::waitForEnd() {
    NSRunLoop& runLoop = NSRunLoop::currentRunLoop();
    while (finished == running)
        runLoop.runBeforeDate(NSDate::dateWithTimeIntervalSinceNow(kWaitSlice));
}

void NelvoPrintPdeZlm420kJCSOAPClient::closeExchange() {
    timer_.reset();
    if (connection_) connection_->cancel();
    connection_.reset();
}

void NelvoPrintPdeZlm420kJCSOAPClient::reportOutcome() {
    switch (finished) {
        case done:
            if (!storeAnswer()) {
                answerLost_ = true;
                if (m_context) m_context->recieveEndCallback();
            }
            break;
        case timedOut:
        case failed:
            if (m_context) m_context->recieveEndCallback();
            break;
        default: break;
    }
}

// An answer that cannot be stored is a failed exchange: reading the file
// afterwards would give an earlier device's answer as this one's.
bool NelvoPrintPdeZlm420kJCSOAPClient::storeAnswer() {
    const std::optional<std::string> path = folders::responseFilePath();
    if (!path) {
        std::cerr << "folders: no private temporary folder to keep the device's answer in\n";
        return false;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(receivedData->data()), receivedData->size());
    if (platform::writeFileAtomically(*path, bytes, 0600)) return true;
    std::cerr << "folders: cannot keep the device's answer in " << *path << ": " << std::strerror(errno) << "\n";
    return false;
}

void NelvoPrintPdeZlm420kJCSOAPClient::endExchange(ExchangeState state) {
    if (finished == running) finished = state;
}

void NelvoPrintPdeZlm420kJCSOAPClient::connection(NSURLConnection* /*connection*/, const NSHTTPURLResponse& response) {
    responseData = response;
    if (receivedData) receivedData->clear();
}

void NelvoPrintPdeZlm420kJCSOAPClient::connection(NSURLConnection* connection, const NSData& data) {
    if (!receivedData) return;
    if (receivedData->size() + data.size() > kMaximumAnswerBytes) {
        connection->cancel();
        endExchange(failed);
        return;
    }
    receivedData->insert(receivedData->end(), data.begin(), data.end());
}

void NelvoPrintPdeZlm420kJCSOAPClient::connectionDidFinishLoading(NSURLConnection* /*connection*/) {
    endExchange(done);
}

void NelvoPrintPdeZlm420kJCSOAPClient::connection(NSURLConnection* /*connection*/, const NSError& /*error*/) {
    endExchange(failed);
}

void NelvoPrintPdeZlm420kJCSOAPClient::firedByTimer(NSTimer& /*timer*/) {
    endExchange(timedOut);
}
