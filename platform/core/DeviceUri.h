// Device URIs taken apart by CUPS.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct DeviceUriParts {
    std::string scheme;
    std::string host;  // a host name or an IP literal; empty when the URI's host is anything else
    int port = 0;
    std::string resource;
};

// Whether `host` is a host name (dot-separated labels of letters, digits,
// '-' and '_') or an IPv4 or IPv6 literal: no URL delimiter, no space.
bool isHostNameOrIpLiteral(const std::string& host);

// The parts of a URI, or none when CUPS cannot separate it.
std::optional<DeviceUriParts> separateDeviceUri(const std::string& uri);

}  // namespace platform
