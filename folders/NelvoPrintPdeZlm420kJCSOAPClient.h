// Sends one SOAP request to the device's folder service and waits for the
// answer, turning the thread's run loop meanwhile. A complete answer,
// whatever its HTTP status, is saved to the response file; a time-out, a
// failure or an answer that cannot be saved is told to the context instead.
// One client serves one exchange. Beside it, the service's URL for the
// address typed in the panel.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/CoreTypes.h"
#include "platform/http/NSURL.h"
#include "platform/http/NSURLConnection.h"
#include "platform/runloop/NSTimer.h"
#include "plugin/PanelRoles.h"

class NelvoPrintPdeZlm420kJCSOAPClient : public NSURLConnectionDelegate {
public:
    static constexpr NSTimeInterval kDefaultTimeLimit = 20.0;
    // A larger answer is no folder list; it ends the exchange as a failure
    // instead of growing the buffer without bound.
    static constexpr size_t kMaximumAnswerBytes = 8 * 1024 * 1024;

    // The client for the URL `server`, or none when it is not a valid URL.
    // The context is not owned. `timeLimit` bounds the whole exchange.
    static std::unique_ptr<NelvoPrintPdeZlm420kJCSOAPClient> initWithServerName(
        const std::string& server, SOAPClientCallback* context, NSTimeInterval timeLimit = kDefaultTimeLimit);
    ~NelvoPrintPdeZlm420kJCSOAPClient() override;

    // POSTs `body` and returns when the exchange has ended; nothing of the
    // exchange (timer, connection) outlives the call.
    void sendMessage(const std::optional<NSData>& body);
    // Whether the device answered but the answer could not be saved (no
    // private temporary folder, a full disk): the response file holds an
    // earlier answer, or none, and must not be read as this one.
    bool answerLost() const { return answerLost_; }

    void connection(NSURLConnection* connection, const NSHTTPURLResponse& response) override;
    void connection(NSURLConnection* connection, const NSData& data) override;
    void connectionDidFinishLoading(NSURLConnection* connection) override;
    void connection(NSURLConnection* connection, const NSError& error) override;
    void firedByTimer(NSTimer& timer);

private:
    enum ExchangeState : int { running = 0, done = 1, timedOut = 2, failed = 3 };

    NelvoPrintPdeZlm420kJCSOAPClient(NSURL url, SOAPClientCallback* context, NSTimeInterval timeLimit);
    NSMutableURLRequest makeRequest(const std::optional<NSData>& body) const;
    void waitForEnd();
    // The first end of the exchange decides it; what comes after is late.
    void endExchange(ExchangeState state);
    void closeExchange();
    void reportOutcome();
    bool storeAnswer();

    SOAPClientCallback* m_context;
    NSURL url;
    int finished = running;
    std::optional<NSHTTPURLResponse> responseData;
    std::optional<NSData> receivedData;
    NSTimeInterval timeLimit_;
    std::unique_ptr<NSURLConnection> connection_;
    std::shared_ptr<NSTimer> timer_;
    bool answerLost_ = false;
};

inline constexpr const char* kFolderServiceSuffix = "/nelvo-mfp-srv";

// "http://" + address + "/nelvo-mfp-srv". The address is a host name or an
// IP address, with a port when the user adds one; a bare IPv6 address (which
// a URL cannot carry as it is) is put in brackets.
std::string folderServiceURLText(const std::string& address);
