// The device's address taken from a device URI: a host name or an IP
// literal, never text that would change the folder service's URL.
#include "platform/core/DeviceUri.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceUri, GivesOnlyAHostNameOrAnIpLiteralAsTheHost) {
    const std::pair<const char*, const char*> cases[] = {
        {"socket://192.168.1.20:9100", "192.168.1.20"},
        {"ipp://mfp-3.office.example/ipp/print", "mfp-3.office.example"},
        {"lpd://[fe80::1]/queue", "fe80::1"},
        {"socket://MFP%2Dsecond:9100", "MFP-second"},
        // Percent-decoded into a user, another host, a port or a path.
        {"socket://printer.example%40127.0.0.1%3A37289%2Fx%3F:9100", ""},
        {"socket://printer%20one:9100", ""},
        {"socket://-bad.example", ""},
        {"socket://caf%C3%A9.example", ""},
    };
    for (const auto& [uri, host] : cases) {
        const auto parts = platform::separateDeviceUri(uri);
        ASSERT_TRUE(parts) << uri;
        EXPECT_EQ(parts->host, host) << uri;
    }
}

}  // namespace
