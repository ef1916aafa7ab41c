// Collects the header lines that libcurl hands over, one response after the
// other (interim 1xx answers, redirects, the final answer), and tells when
// the header block of a response that carries a body or ends the exchange
// is complete. Trailer fields that follow a chunked body start no response.
#pragma once

#include <string_view>

#include "platform/http/URLMessages.h"

namespace platform {

class ResponseHeaderParser {
public:
    // One header line with its line end. Answers whether it was the blank
    // line that completes the header block of a final (not 1xx) response.
    bool addLine(std::string_view line);

    long statusCode() const { return statusCode_; }
    const HTTPHeaderFields& headers() const { return headers_; }

private:
    void addField(std::string_view line);

    long statusCode_ = 0;
    HTTPHeaderFields headers_;
    bool inHeaderBlock_ = false;
};

}  // namespace platform
