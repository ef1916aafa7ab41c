#include "platform/core/DeviceUri.h"

#include <arpa/inet.h>
#include <cups/http.h>
#include <algorithm>
#include <string_view>

namespace platform {
namespace {

constexpr size_t kLongestHostName = 253;
constexpr size_t kLongestLabel = 63;

bool isLabelCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// Dot-separated labels of letters, digits, '-' and '_' (which some
// networks' names carry), none empty, none starting or ending with '-'.
bool isHostName(const std::string& host) {
    if (host.empty() || host.size() > kLongestHostName) return false;
    size_t start = 0;
    for (;;) {
        const size_t end = std::min(host.find('.', start), host.size());
        const std::string_view label(host.data() + start, end - start);
        if (label.empty() || label.size() > kLongestLabel || label.front() == '-' || label.back() == '-') return false;
        for (const char c : label)
            if (!isLabelCharacter(c)) return false;
        if (end == host.size()) return true;
        start = end + 1;
    }
}

bool isIpLiteral(const std::string& host) {
    unsigned char address[sizeof(struct in6_addr)];
    return inet_pton(AF_INET, host.c_str(), address) == 1 || inet_pton(AF_INET6, host.c_str(), address) == 1;
}

}  // namespace

bool isHostNameOrIpLiteral(const std::string& host) {
    return isHostName(host) || isIpLiteral(host);
}

std::optional<DeviceUriParts> separateDeviceUri(const std::string& uri) {
    char scheme[HTTP_MAX_URI];
    char username[HTTP_MAX_URI];
    char host[HTTP_MAX_URI];
    char resource[HTTP_MAX_URI];
    int port = 0;
    const http_uri_status_t status =
        httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof scheme, username, sizeof username, host,
                        sizeof host, &port, resource, sizeof resource);
    if (status < HTTP_URI_STATUS_OK) return std::nullopt;
    // The host comes percent-decoded: "%40" or "%2F" in a URI would otherwise
    // turn it into another host, user or path in the folder service's URL.
    const std::string decodedHost = host;
    return DeviceUriParts{scheme, isHostNameOrIpLiteral(decodedHost) ? decodedHost : std::string(), port, resource};
}

}  // namespace platform
