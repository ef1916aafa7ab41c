// The queue's job-control record: validated when a panel is made, loaded
// by the mask of remembered locks, saved in its stored forms.
#include <gtest/gtest.h>

#include <limits>

#include "folders/FolderList.h"
#include "tests/preferences/PreferenceFixture.h"
#include "tests/support/ExchangeFixture.h"
#include "tests/support/PpdFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPanel.h"

namespace {

// A folder list as comparable text: name, then P (pass code) and D (dir) flags.
std::string describe(const std::optional<FolderList>& folders) {
    if (!folders) return "none";
    std::string text;
    for (const FolderRecord& folder : *folders)
        text += folder.name + (folder.password ? "P" : "-") + (folder.dir ? "D" : "-") + (folder.add ? "A" : "-") + ";";
    return text;
}

TEST(CheckPreference, ARecordOfAnotherModelOrReleaseIsResetAndTheDomainsOtherKeysSurvive) {
    const nlohmann::json remembered = {
        {"hold button", 1}, {"pass code", fixedKeyHex("123", 1)}, {"address", "10.0.0.7"}};
    for (const auto& [model, release] : {std::pair{kSampleModel, "2.0"}, {"nelvo zlm-420k", "2.00"}}) {
        nlohmann::json record = remembered;
        record.update({{"Model Name", model}, {"Release Number", release}});
        storeDomain({{"Job Control", record}, {"Other Panel", {{"x", 1}}}});
        const auto panel = makePanel(FakeHost::withSamplePPD());
        EXPECT_FALSE(panel->remembered.prefHoldButtonFlag || panel->kept.addressStringRef) << model << " " << release;
        EXPECT_EQ(storedDomain(),
                  nlohmann::json({{"Job Control", {{"Model Name", kSampleModel}, {"Release Number", "2.00"}}},
                                  {"Other Panel", {{"x", 1}}}}));
    }
    // The record of this model and release is kept whole.
    storeDomain({{"Job Control", validRecord(remembered)}});
    EXPECT_EQ(makePanel(FakeHost::withSamplePPD())->kept.addressStringRef, "10.0.0.7");
    EXPECT_EQ(storedRecord(), validRecord(remembered));
}

TEST(CheckPreference, AQueueWhosePPDNamesNoModelKeepsItsRecord) {
    const TempDir dir;
    const auto ppd = writeSamplePPDVariant(dir, "*ModelName:", std::nullopt);
    makePanel(FakeHost::withPPD(ppd));
    EXPECT_EQ(storedRecord(), nlohmann::json({{"Model Name", ""}, {"Release Number", "2.00"}}));
    nlohmann::json record = storedRecord();
    record["address"] = "10.0.0.7";
    storeDomain({{"Job Control", record}});
    EXPECT_EQ(makePanel(FakeHost::withPPD(ppd))->kept.addressStringRef, "10.0.0.7");
}

// The nine remembered values, '-' for each one not loaded.
std::string loaded(const NelvoPrintPdeZlm420kJC& panel) {
    std::string text;
    for (const auto& value : {panel.remembered.prefSuspendKeyStringRef, panel.remembered.prefLoginNameStringRef,
                              panel.remembered.prefPasswordStringRef, panel.remembered.prefUserNameStringRef,
                              panel.remembered.prefJobNameStringRef, panel.remembered.prefFolderPassStringRef,
                              panel.remembered.prefUserNumberStringRef, panel.remembered.prefAccountNumberStringRef,
                              panel.remembered.prefFolderNameStringRef})
        text += value.value_or("-");
    return text;
}

// A mask stored exactly as a signed 32-bit integer loads the values of its
// bits and always the authentication; any other loads nothing but keeps its
// low 32 bits.
TEST(GetUserPreference, TheMaskDecidesWhatLoads) {
    nlohmann::json record = validRecord({{"pass code", "P"},
                                         {"user login name", "L"},
                                         {"user password", "W"},
                                         {"user name", "U"},
                                         {"job name", "J"},
                                         {"folder pass code", "F"},
                                         {"user number", "N"},
                                         {"folder name", "D"},
                                         {"authentication", false}});
    const struct {
        nlohmann::json mask;
        uint32_t bits;
        const char* loaded;  // no account number: its bit loads nothing
    } masks[] = {
        {0, 0, "---------"},
        {1 | 64, 65, "P-----N--"},
        {-1, 0xFFFFFFFFu, "PLWUJFN-D"},
        {std::numeric_limits<int32_t>::max(), 0x7FFFFFFFu, "PLWUJFN-D"},
        {2147483648LL, 0x80000000u, nullptr},
        {1.5, 1, nullptr},
        {4294967297LL, 1, nullptr},
        {-4294967295LL, 1, nullptr},
        {"1", 0, nullptr},
    };
    for (const auto& [mask, bits, values] : masks) {
        record["hold button"] = mask;
        storeDomain({{"Job Control", record}});
        const auto panel = makePanel(FakeHost::withSamplePPD());
        EXPECT_EQ(loaded(*panel), values ? values : "---------") << mask.dump();
        EXPECT_EQ(panel->remembered.prefHoldButtonFlag, bits) << mask.dump();
        EXPECT_EQ(panel->remembered.prefAuthenticationBooleanRef, values ? std::optional(false) : std::nullopt)
            << mask.dump();
    }
}

class SaveUserPreference : public ExchangeTest {
protected:
    nlohmann::json saveRecord() {
        EXPECT_TRUE(panel_->SaveUserPreference());
        return storedRecord();
    }
};

// Every value key, whatever the locks; the enciphered forms keep the first
// characters that they take, and a folder pass code that is not all digits is
// not kept.
TEST_F(SaveUserPreference, WritesEveryValueKeyInItsStoredForm) {
    const std::string k16 = "abcdefghijklmnop";
    panel_->outlets.userNameEditText->setStringValue("Zo\u00eb");
    panel_->outlets.suspendKeyEditText->setStringValue("12345678901234567890");
    panel_->outlets.passwordEditText->setStringValue(k16 + k16 + "01234567");
    panel_->outlets.loginNameEditText->setStringValue(k16);
    panel_->outlets.folderPasswordEditText->setStringValue("12\u00e9");
    panel_->outlets.authenticationMatrix->selectCellAtRow(1, 0);
    EXPECT_EQ(saveRecord(), nlohmann::json({{"Model Name", kSampleModel},
                                            {"Release Number", "2.00"},
                                            {"hold button", 0},
                                            {"pass code", fixedKeyHex("1234567890123456", 1)},
                                            {"authentication", false},
                                            {"user login name", referenceBase64Of(referenceCipher(k16, fixedKey(), 1))},
                                            {"user password", fixedKeyHex(k16 + k16, 2)},
                                            {"user number", ""},
                                            {"account number", ""},
                                            {"user name", "Zo\u00eb"},
                                            {"job name", ""},
                                            {"folder pass code", ""},
                                            {"folder name", ""}}));
}

TEST_F(SaveUserPreference, ALockedLoginNameIsSavedInClearOrNotAtAll) {
    panel_->outlets.loginNameEditText->setStringValue("\u2022\u2022\u2022\u2022");
    panel_->outlets.loginNameButton->setState(1);
    panel_->loginNameLock.loginNameStringRef = "jdoe";
    const std::string jdoe = referenceBase64Of(referenceCipher("jdoe", fixedKey(), 1));
    EXPECT_EQ(saveRecord()["user login name"], jdoe);

    panel_->loginNameLock.loginNameStringRef.reset();
    EXPECT_EQ(saveRecord()["user login name"], jdoe);
}

TEST_F(SaveUserPreference, AKeyWhoseControlIsAbsentKeepsItsStoredValue) {
    panel_->outlets.passwordEditText->setStringValue("abc");
    saveRecord();
    panel_->outlets.passwordEditText.reset();
    panel_->outlets.suspendKeyButton->setState(1);
    panel_->outlets.folderNameButton->setState(1);
    const nlohmann::json record = saveRecord();
    EXPECT_EQ(record["user password"], fixedKeyHex("abc", 1) + std::string(32, '0'));
    EXPECT_EQ(record["hold button"], 257);
}

TEST(FolderPreference, RoundTripsTheListAndKeepsWhatItDoesNotOwn) {
    storeDomain({{"Job Control",
                  validRecord({{"files",
                                nlohmann::json::array({"junk", {{"name", 5}, {"dir", "yes"}}, {{"name", "Unit\x1f"}}})},
                               {"pass code", "kept"}})}});
    auto panel = openPanel(FakeHost::withSamplePPD());
    // Entries that are not dictionaries, and names with a control character, are
    // skipped; fields of another type read as empty.
    EXPECT_EQ(describe(panel->deviceFolders.folderList), "---;");
    panel->deviceFolders.folderList = FolderList{{"Reports", true, false, false}, {"Scans", false, true, false}};
    panel->outlets.printersAddressEditText->setStringValue("10.0.0.7");
    EXPECT_TRUE(panel->SaveFolderPreference());
    EXPECT_EQ(storedRecord()["pass code"], "kept");
    auto next = makePanel(FakeHost::withSamplePPD());
    EXPECT_EQ(describe(next->deviceFolders.folderList), "ReportsP--;Scans-D-;");
    EXPECT_EQ(next->kept.addressStringRef, "10.0.0.7");
    // No list keeps the stored one.
    next->deviceFolders.folderList.reset();
    next->SaveFolderPreference();
    EXPECT_EQ(storedRecord()["files"].size(), 2u);
}

TEST(PreferencesWithoutPPD, LeaveTheStoreUntouched) {
    auto host = std::make_shared<FakeHost>();
    const auto panel = openPanel(host);
    panel->outlets.suspendKeyButton->setState(1);
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_FALSE(panel->SaveUserPreference());
    EXPECT_FALSE(panel->SaveFolderPreference());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "user-defaults"));
}

}  // namespace

namespace {

// One answer, or one remembered record, brings at most folders::kMostFolders
// folders, the first ones, and what is cut is said on standard error.
TEST(FolderPreference, AtMostTheFirstFoldersComeFromAnAnswerOrARecordAndTheCutIsSaid) {
    const size_t listed = folders::kMostFolders + 3;
    nlohmann::json files = nlohmann::json::array();
    std::string entries;
    for (size_t i = 0; i < listed; ++i) {
        files.push_back({{"name", "F" + std::to_string(i)}});
        entries += "<f><name>F" + std::to_string(i) + "</name></f>";
    }
    storeDomain({{"Job Control", validRecord({{"files", files}})}});
    const TempDir directory;
    const std::string answer = directory.write("answer.xml", "<e><b><r><files>" + entries + "</files></r></b></e>");
    for (const bool fromAnswer : {false, true}) {
        SCOPED_TRACE(fromAnswer ? "answer" : "record");
        testing::internal::CaptureStderr();
        auto panel = makePanel(FakeHost::withSamplePPD());
        if (fromAnswer) {
            panel->deviceFolders.folderList.reset();
            panel->parseXML(answer);
        }
        const std::string said = testing::internal::GetCapturedStderr();
        ASSERT_TRUE(panel->deviceFolders.folderList);
        EXPECT_EQ(panel->deviceFolders.folderList->size(), folders::kMostFolders);
        EXPECT_EQ(panel->deviceFolders.folderList->back().name, "F" + std::to_string(folders::kMostFolders - 1));
        EXPECT_NE(said.find(std::to_string(listed) + " folders"), std::string::npos) << said;
    }
}

}  // namespace
