// What the panel takes from its host and bundle when it is made.
#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <ostream>
#include <optional>
#include <string>

#include "tests/support/FakeHost.h"
#include "tests/support/PpdFixture.h"
#include "tests/support/TestPanel.h"

namespace {

struct DeviceCase {
    std::optional<std::string> uri;
    std::optional<std::string> address;
};

void PrintTo(const DeviceCase& test, std::ostream* out) { *out << test.uri.value_or("no URI"); }

class DeviceAddress : public testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceAddress, IsTheHostOfANetworkDeviceUri) {
    auto host = FakeHost::withSamplePPD();
    host->printer.deviceURI = GetParam().uri;
    const auto panel = makePanel(host);
    EXPECT_EQ(panel->mfpURL, GetParam().address);
    // The queue's domain does not depend on the URI.
    EXPECT_EQ(panel->preferenceName, "nelvo.mfp.Office_MFP");
}

INSTANTIATE_TEST_SUITE_P(
    DeviceUris, DeviceAddress,
    testing::Values(DeviceCase{"socket://192.168.1.20:9100", "192.168.1.20"},
                    DeviceCase{"socket://192.168.1.20", "192.168.1.20"},
                    DeviceCase{"lpd://10.0.0.7/queue", "10.0.0.7"},
                    DeviceCase{"ipp://printer.example.com/ipp/print", "printer.example.com"},
                    DeviceCase{"ipp://[2001:db8::7]:631/ipp/print", "2001:db8::7"},
                    DeviceCase{"ipps://192.168.1.20/ipp/print", std::nullopt},
                    DeviceCase{"IPP://192.168.1.20/ipp/print", std::nullopt},
                    DeviceCase{"Socket://192.168.1.20:9100", std::nullopt},
                    DeviceCase{"usb://Nelvo/ZLM-420K?serial=1234", std::nullopt},
                    DeviceCase{"dnssd://Nelvo%20ZLM-420K._ipp._tcp.local./?uuid=1", std::nullopt},
                    DeviceCase{"not a uri", std::nullopt},
                    DeviceCase{std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<DeviceCase>& info) {
        // The scheme and the case's number: test names allow only letters,
        // digits and underscores.
        std::string name = info.param.uri ? info.param.uri->substr(0, info.param.uri->find(':')) : "none";
        std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
        return (name.empty() ? "invalid" : name) + "_" + std::to_string(info.index);
    });

TEST(PanelCreation, NamesThePreferenceDomainAfterTheQueue) {
    for (const char* identifier : {"Office_MFP", "Floor_3_Copier"}) {
        auto host = FakeHost::withSamplePPD();
        host->printer.identifier = identifier;
        EXPECT_EQ(makePanel(host)->preferenceName, std::string("nelvo.mfp.") + identifier);
    }
}

TEST(PanelCreation, TakesThePPDAndTheBundleResources) {
    auto host = FakeHost::withSamplePPD();
    const auto panel = makePanel(host);
    EXPECT_TRUE(panel->useConstraintHandling);
    EXPECT_EQ(panel->ppd, host->ppdFile());
    EXPECT_EQ(panel->modelStringRef, "Nelvo ZLM-420K");
    EXPECT_EQ(panel->ppdEncoding, NSUTF8StringEncoding);
    const auto resources = std::filesystem::path(NELVO_BUNDLE_DIR) / "Contents" / "Resources";
    EXPECT_EQ(panel->requestData, platform::readFileData(resources / "listfiles.xml"));
    EXPECT_EQ(panel->debugData, platform::readFileData(resources / "vwxyz.xml"));
    ASSERT_TRUE(panel->requestData);
    EXPECT_FALSE(panel->tigerHDDFlag);
    EXPECT_FALSE(panel->canResizeView);  // this system has no version file
    EXPECT_FALSE(panel->hasInited || panel->callRestoreValuesFunction || panel->callSaveValuesFunction ||
                 panel->isPanelViewRetain);
}

// No PPD: neither from a host without constraint handling (which is not even
// asked for one) nor from a host that has none.
void expectPanelWithoutPPD(const NelvoPrintPdeZlm420kJC& panel) {
    EXPECT_EQ(panel.ppd, nullptr);
    EXPECT_EQ(panel.modelStringRef, std::nullopt);
    EXPECT_EQ(panel.mfpURL, std::nullopt);
    EXPECT_EQ(panel.preferenceName, std::nullopt);
    EXPECT_EQ(panel.requestData, std::nullopt);
    EXPECT_EQ(panel.debugData, std::nullopt);
    // Set all the same: the tests run in the C locale, whose code set is
    // ASCII, not the field's initial Mac Roman.
    EXPECT_EQ(panel.systemEncoding, NSASCIIStringEncoding);
}

TEST(PanelCreation, WithoutConstraintHandlingDoesNotAskForThePPD) {
    auto host = FakeHost::withSamplePPD();
    host->constraintHandling = false;
    const auto panel = makePanel(host);
    EXPECT_FALSE(panel->useConstraintHandling);
    EXPECT_EQ(host->callCount("ppdFile"), 0u);
    expectPanelWithoutPPD(*panel);
}

TEST(PanelCreation, WithoutAPPDHasNoModelAddressOrDomain) {
    auto host = std::make_shared<FakeHost>();
    expectPanelWithoutPPD(*makePanel(host));
    EXPECT_EQ(host->callCount("ppdFile"), 1u);
}

TEST(PPDEncoding, MapsTheLanguageEncodingExactly) {
    struct Case {
        const char* languageEncoding;
        NSStringEncoding encoding;
    };
    const Case cases[] = {
        {"ISOLatin1", NSISOLatin1StringEncoding}, {"WindowsANSI", NSWindowsCP1252StringEncoding},
        {"JIS83-RKSJ", NSShiftJISStringEncoding}, {"UTF-8", NSUTF8StringEncoding},
        {"UTF8", NSUTF8StringEncoding},           {"utf-8", NSMacOSRomanStringEncoding},
        {"isolatin1", NSMacOSRomanStringEncoding}, {"UTF-8 ", NSMacOSRomanStringEncoding},
        {"MacStandard", NSMacOSRomanStringEncoding}, {"", NSMacOSRomanStringEncoding},
        {nullptr, NSMacOSRomanStringEncoding},
    };
    for (const Case& test : cases)
        EXPECT_EQ(encodingFromLanguageEncoding(test.languageEncoding), test.encoding)
            << (test.languageEncoding ? test.languageEncoding : "(none)");
    EXPECT_EQ(getEncodingFromPPD(nullptr), NSMacOSRomanStringEncoding);
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
        EXPECT_EQ(panel->ppdEncoding, test.encoding) << test.modelName;
        EXPECT_EQ(panel->modelStringRef, test.decodedModel);
    }
}

TEST(PanelCreation, APPDWithoutModelNameGivesNone) {
    TempDir dir;
    const auto panel = makePanel(FakeHost::withPPD(writeSamplePPDVariant(dir, "*ModelName:", std::nullopt)));
    EXPECT_EQ(panel->modelStringRef, std::nullopt);
    EXPECT_EQ(panel->preferenceName, "nelvo.mfp.Office_MFP");
}

}  // namespace
