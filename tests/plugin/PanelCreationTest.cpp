// What the panel takes from its host and bundle when it is made.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/FakeHost.h"
#include "tests/support/PpdFixture.h"
#include "tests/support/TestPanel.h"

namespace {

TEST(PanelCreation, TakesTheDeviceAddressFromANetworkUriAndNamesTheDomainAfterTheQueue) {
    const std::pair<std::optional<std::string>, std::optional<std::string>> uris[] = {
        {"socket://192.168.1.20:9100", "192.168.1.20"},     {"ipp://[2001:db8::7]:631/ipp/print", "2001:db8::7"},
        {"ipps://192.168.1.20/ipp/print", std::nullopt},    {"IPP://192.168.1.20/ipp/print", std::nullopt},
        {"usb://Nelvo/ZLM-420K?serial=1234", std::nullopt}, {std::nullopt, std::nullopt},
    };
    for (const auto& [uri, address] : uris) {
        auto host = FakeHost::withSamplePPD();
        host->printer.deviceURI = uri;
        host->printer.identifier = "Floor_3_Copier";
        const auto panel = makePanel(host);
        EXPECT_EQ(panel->context.mfpURL, address) << uri.value_or("no URI");
        EXPECT_EQ(panel->context.preferenceName, "nelvo.mfp.Floor_3_Copier");
    }
}

// No PPD: neither from a host without constraint handling (which is not even
// asked for one) nor from a host that has none.
TEST(PanelCreation, WithoutAPPDHasNoModelAddressOrDomainAndWithoutConstraintHandlingAsksForNone) {
    auto withoutHandling = FakeHost::withSamplePPD();
    withoutHandling->constraintHandling = false;
    for (const auto& [host, asked] : {std::pair{withoutHandling, 0u}, {std::make_shared<FakeHost>(), 1u}}) {
        const auto panel = makePanel(host);
        EXPECT_TRUE(panel->context.ppd == nullptr && !panel->context.modelStringRef && !panel->context.mfpURL &&
                    !panel->context.preferenceName && !panel->deviceFolders.requestData);
        EXPECT_EQ(host->callCount("ppdFile"), asked);
    }
}

// CUPS reads every declared LanguageEncoding as UTF-8 and reports that; the
// model name is decoded with what it reports, or else as ISO Latin 1.
TEST(PPDEncoding, OfRealPPDsIsWhatCupsReports) {
    TempDir dir;
    struct Case {
        std::optional<std::string> languageEncoding;
        std::string modelName;
        NSStringEncoding encoding;
        std::optional<std::string> decodedModel;
    };
    const Case cases[] = {
        {"*LanguageEncoding: ISOLatin1", "Nelvo ZLM-420K", NSUTF8StringEncoding, "Nelvo ZLM-420K"},
        {"*LanguageEncoding: JIS83-RKSJ", "Nelvo B\xc3\xbcro", NSUTF8StringEncoding, "Nelvo Büro"},
        {std::nullopt, "Nelvo B\x8aro", NSMacOSRomanStringEncoding, "Nelvo Bäro"},
        // Latin-1 bytes that CUPS leaves as they are: read as ISO Latin 1,
        // not lost.
        {"*LanguageEncoding: ISOLatin1", "Nelvo B\xfcro", NSUTF8StringEncoding, "Nelvo Büro"},
    };
    for (const Case& test : cases) {
        const auto ppd = writeSamplePPDVariant(dir, {{"*LanguageEncoding:", test.languageEncoding},
                                                     {"*ModelName:", "*ModelName: \"" + test.modelName + "\""}});
        const auto panel = makePanel(FakeHost::withPPD(ppd));
        EXPECT_EQ(panel->context.ppdEncoding, test.encoding) << test.modelName;
        EXPECT_EQ(panel->context.modelStringRef, test.decodedModel);
    }
}

}  // namespace
