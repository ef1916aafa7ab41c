// The device's address from a device URI: a host name or an IP literal,
// never a text holding a URL delimiter.
#include "fuzz/FuzzSupport.h"
#include "platform/core/DeviceUri.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string uri = fuzz_support::textOf(data, size);
    if (uri.find('\0') != std::string::npos) return 0;  // no C string holds one
    const auto parts = platform::separateDeviceUri(uri);
    if (!parts) return 0;
    FUZZ_EXPECT(parts->host.find_first_of("/?#@[]% \\\t\r\n") == std::string::npos);
    FUZZ_EXPECT(parts->host.empty() || platform::isHostNameOrIpLiteral(parts->host));
    return 0;
}
