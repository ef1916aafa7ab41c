#include "platform/http/CurlErrors.h"

#include <string>

namespace platform {
namespace {

long codeOf(CURLcode result) {
    switch (result) {
        case CURLE_URL_MALFORMAT: return NSURLErrorBadURL;
        case CURLE_UNSUPPORTED_PROTOCOL: return NSURLErrorUnsupportedURL;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY: return NSURLErrorCannotFindHost;
        case CURLE_COULDNT_CONNECT: return NSURLErrorCannotConnectToHost;
        case CURLE_OPERATION_TIMEDOUT: return NSURLErrorTimedOut;
        case CURLE_TOO_MANY_REDIRECTS: return NSURLErrorHTTPTooManyRedirects;
        case CURLE_GOT_NOTHING:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_PARTIAL_FILE: return NSURLErrorNetworkConnectionLost;
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_BAD_CONTENT_ENCODING: return NSURLErrorBadServerResponse;
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION: return NSURLErrorSecureConnectionFailed;
        default: return NSURLErrorUnknown;
    }
}

}  // namespace

NSError errorFromCurl(CURLcode result, const char* detail) {
    std::string description = curl_easy_strerror(result);
    if (detail && *detail) description += std::string(": ") + detail;
    return NSError{NSURLErrorDomain, codeOf(result), description};
}

}  // namespace platform
