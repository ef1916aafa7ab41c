// Device URIs taken apart by CUPS.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct DeviceUriParts {
    std::string scheme;
    std::string host;
    int port = 0;
    std::string resource;
};

// The parts of a URI, or none when CUPS cannot separate it.
std::optional<DeviceUriParts> separateDeviceUri(const std::string& uri);

}  // namespace platform
