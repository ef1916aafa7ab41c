// What a URL connection carries: the request, the status line and header
// fields of the answer, and the codes of the errors it reports.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/CoreTypes.h"
#include "platform/http/NSURL.h"
#include "platform/runloop/NSDate.h"

// The domain and codes of the errors that a URL connection reports.
inline constexpr const char* NSURLErrorDomain = "NSURLErrorDomain";

enum NSURLErrorCode : long {
    NSURLErrorUnknown = -1,
    NSURLErrorCancelled = -999,
    NSURLErrorBadURL = -1000,
    NSURLErrorTimedOut = -1001,
    NSURLErrorUnsupportedURL = -1002,
    NSURLErrorCannotFindHost = -1003,
    NSURLErrorCannotConnectToHost = -1004,
    NSURLErrorNetworkConnectionLost = -1005,
    NSURLErrorHTTPTooManyRedirects = -1007,
    NSURLErrorBadServerResponse = -1011,
    NSURLErrorSecureConnectionFailed = -1200,
};

// An HTTP request: URL, method, header fields in the order they were set,
// body, cache policy and time-out.
enum NSURLRequestCachePolicy {
    NSURLRequestUseProtocolCachePolicy = 0,
    NSURLRequestReloadIgnoringLocalCacheData = 1,
};

using HTTPHeaderFields = std::vector<std::pair<std::string, std::string>>;

class NSMutableURLRequest {
public:
    // A GET of `url` without body. The connection keeps no cache, so every
    // policy loads from the origin. `timeoutInterval` is how long the
    // exchange may stay idle before it fails.
    NSMutableURLRequest(NSURL url, NSURLRequestCachePolicy cachePolicy, NSTimeInterval timeoutInterval);

    void setHTTPMethod(std::string method) { method_ = std::move(method); }
    void setHTTPBody(std::optional<NSData> body) { body_ = std::move(body); }
    // Sets the header field `field` to `value`, replacing a field of the same
    // name (compared without regard to letter case) where it stands.
    void setValue(const std::string& value, const std::string& field);

    const NSURL& URL() const { return url_; }
    NSURLRequestCachePolicy cachePolicy() const { return cachePolicy_; }
    NSTimeInterval timeoutInterval() const { return timeoutInterval_; }
    const std::string& HTTPMethod() const { return method_; }
    const std::optional<NSData>& HTTPBody() const { return body_; }
    const HTTPHeaderFields& allHTTPHeaderFields() const { return headers_; }
    std::optional<std::string> valueForHTTPHeaderField(const std::string& field) const;

private:
    NSURL url_;
    NSURLRequestCachePolicy cachePolicy_;
    NSTimeInterval timeoutInterval_;
    std::string method_ = "GET";
    std::optional<NSData> body_;
    HTTPHeaderFields headers_;
};

// Header field names compare without regard to ASCII letter case.
bool sameHeaderFieldName(const std::string& a, const std::string& b);

// The status line and header fields of an HTTP answer.
class NSHTTPURLResponse {
public:
    NSHTTPURLResponse(std::string url, long statusCode, HTTPHeaderFields headers)
        : url_(std::move(url)), statusCode_(statusCode), headers_(std::move(headers)) {}

    // The URL that answered: after redirects, the last one.
    const std::string& URL() const { return url_; }
    long statusCode() const { return statusCode_; }
    const HTTPHeaderFields& allHeaderFields() const { return headers_; }
    std::optional<std::string> valueForHTTPHeaderField(const std::string& field) const {
        for (const auto& [name, value] : headers_)
            if (sameHeaderFieldName(name, field)) return value;
        return std::nullopt;
    }

private:
    std::string url_;
    long statusCode_;
    HTTPHeaderFields headers_;
};
