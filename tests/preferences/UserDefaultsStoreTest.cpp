// The user-defaults store: what it holds, and how it keeps the user's file
// safe (private, replaced whole, never destroyed when it cannot be read).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/defaults/UserDefaults.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Each test starts with a fresh store (see PreferenceFixture).
class Store : public testing::Test {
protected:
    NSUserDefaults& store() { return *NSUserDefaults::standardUserDefaults(); }
    fs::path file() { return store().fileForDomain(kDomain); }
    std::optional<nlohmann::json> reread() {
        NSUserDefaults::resetStandardUserDefaults();
        return store().persistentDomainForName(kDomain);
    }
    void writeRaw(const std::string& contents) {
        fs::create_directories(file().parent_path());
        std::ofstream(file(), std::ios::binary) << contents;
    }

    static constexpr const char* kDomain = "nelvo.mfp.Office_MFP";
};

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST_F(Store, ReplacesTheFileWholeAndPrivateWithEveryKindOfValue) {
    writeRaw("{\"old\": 1}");
    fs::permissions(file(), fs::perms(0644));
    const nlohmann::json domain = {
        {"Job Control",
         {{"hold button", -2147483647 - 1}, {"pass code", "A0"}, {"authentication", false},
          {"files", nlohmann::json::array({{{"name", "Reports"}, {"password", true}, {"dir", false}, {"add", false}}})}}},
        {"other", "kept"}};
    store().setPersistentDomain(domain, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(modeOf(file()), 0600u);
    EXPECT_EQ(modeOf(file().parent_path()), 0700u);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(file().parent_path()), fs::directory_iterator()), 1);
    EXPECT_EQ(reread(), domain);
}

TEST_F(Store, AFileThatCannotBeParsedIsNoDomainAndIsKeptAsideBeforeTheNextWrite) {
    for (const std::string& torn : {std::string("{\"Job Control\": {\"hold butt"), std::string("[1, 2]")}) {
        NSUserDefaults::resetStandardUserDefaults();
        for (const auto& entry : fs::directory_iterator(file().parent_path().parent_path()))
            fs::remove_all(entry.path());
        writeRaw(torn);
        EXPECT_FALSE(store().persistentDomainForName(kDomain)) << torn;
        store().setPersistentDomain({{"fresh", true}}, kDomain);
        ASSERT_TRUE(store().synchronize());
        EXPECT_EQ(readFile(file().string() + ".corrupt"), torn);
        EXPECT_EQ(reread(), nlohmann::json({{"fresh", true}}));
    }
}

TEST_F(Store, AnEarlierCopyKeptAsideIsNotOverwritten) {
    writeRaw("first torn");
    store().setPersistentDomain({{"a", 1}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    writeRaw("second torn");
    NSUserDefaults::resetStandardUserDefaults();
    store().setPersistentDomain({{"b", 2}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(readFile(file().string() + ".corrupt"), "first torn");
    EXPECT_EQ(readFile(file().string() + ".corrupt.1"), "second torn");
}

TEST_F(Store, TextThatIsNotUtf8IsWrittenWithReplacementCharacters) {
    store().setPersistentDomain({{"user name", std::string("Zo\xeb")}, {"kept", "yes"}}, kDomain);
    ASSERT_TRUE(store().synchronize());
    EXPECT_EQ(reread(), nlohmann::json({{"user name", "Zo\ufffd"}, {"kept", "yes"}}));
}

}  // namespace
