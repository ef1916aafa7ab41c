#include <gtest/gtest.h>

#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"
#include "platform/http/NSURL.h"

TEST(FolderServiceURL, PutsABareIPv6AddressInBracketsAndLeavesOtherAddressesAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"192.168.1.20:8080", "http://192.168.1.20:8080/nelvo-mfp-srv"},
        {"fe80::1", "http://[fe80::1]/nelvo-mfp-srv"},
        {"[::1]:8080", "http://[::1]:8080/nelvo-mfp-srv"},
    };
    for (const auto& [address, url] : cases) {
        EXPECT_EQ(folderServiceURLText(address), url);
        EXPECT_TRUE(NSURL::URLWithString(folderServiceURLText(address))) << address;
    }
}
