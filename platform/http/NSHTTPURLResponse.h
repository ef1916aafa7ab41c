// The status line and header fields of an HTTP answer.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/http/NSMutableURLRequest.h"

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
