// An absolute URL, checked by libcurl's URL parser.
#pragma once

#include <optional>
#include <string>

class NSURL {
public:
    // The URL of `text`, or none when `text` is not an absolute URL with a
    // scheme and, for the schemes that need one, a host.
    static std::optional<NSURL> URLWithString(const std::string& text);

    // The text as given.
    const std::string& absoluteString() const { return text_; }
    const std::string& scheme() const { return scheme_; }
    // The host as written, brackets of an IPv6 literal removed; empty when none.
    const std::string& host() const { return host_; }

private:
    NSURL(std::string text, std::string scheme, std::string host);

    std::string text_;
    std::string scheme_;
    std::string host_;
};
