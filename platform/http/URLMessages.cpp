#include "platform/http/URLMessages.h"

#include <algorithm>
#include <cctype>

bool sameHeaderFieldName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

NSMutableURLRequest::NSMutableURLRequest(NSURL url, NSURLRequestCachePolicy cachePolicy, NSTimeInterval timeoutInterval)
    : url_(std::move(url)), cachePolicy_(cachePolicy), timeoutInterval_(timeoutInterval) {}

void NSMutableURLRequest::setValue(const std::string& value, const std::string& field) {
    const auto existing = std::find_if(headers_.begin(), headers_.end(),
                                       [&](const auto& header) { return sameHeaderFieldName(header.first, field); });
    if (existing != headers_.end())
        existing->second = value;
    else
        headers_.emplace_back(field, value);
}

std::optional<std::string> NSMutableURLRequest::valueForHTTPHeaderField(const std::string& field) const {
    for (const auto& [name, value] : headers_)
        if (sameHeaderFieldName(name, field)) return value;
    return std::nullopt;
}
