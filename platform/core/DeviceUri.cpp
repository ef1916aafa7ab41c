#include "platform/core/DeviceUri.h"

#include <cups/http.h>

namespace platform {

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
    return DeviceUriParts{scheme, host, port, resource};
}

}  // namespace platform
