#include "platform/core/Bundle.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <clocale>
#include <filesystem>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

namespace {

TEST(Bundle, NeedsAnInfoObject) {
    TempDir dir;
    EXPECT_FALSE(NSBundle::bundleWithPath(dir.path()));
    dir.write("Contents/Info.json", "[\"not\", \"an object\"]");
    EXPECT_FALSE(NSBundle::bundleWithPath(dir.path()));
    dir.write("Contents/Info.json", "{}");
    EXPECT_TRUE(NSBundle::bundleWithPath(dir.path()));
}

// The panel's name in German is checked with the dialog's calls.
TEST(Bundle, FindsResourcesByNameAndTypeAndLocalizesThroughItsOwnCatalogue) {
    const auto bundle = NSBundle::bundleWithPath(NELVO_BUNDLE_DIR);
    ASSERT_TRUE(bundle) << NELVO_BUNDLE_DIR;
    EXPECT_EQ(bundle->pathForResource("listfiles", "xml"), (bundle->resourcePath() / "listfiles.xml").string());
    EXPECT_FALSE(bundle->pathForResource("listfiles", "json"));
    EXPECT_FALSE(bundle->pathForResource("locale", "")) << "a folder is not a resource";
    ScopedEnvironmentVariable language("LANGUAGE", "de");
    ScopedLocale german(LC_ALL, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    EXPECT_EQ(bundle->localizedStringForKey("No Such Text"), "No Such Text");
    // Not the catalogue's header, which gettext keeps under the empty key.
    EXPECT_EQ(bundle->localizedStringForKey(""), "");
}

// What is not a regular file reads as absent, without blocking or throwing.
TEST(ReadFileData, GivesTheBytesOfARegularFileOnly) {
    TempDir dir;
    const std::string bytes("a\0\xff", 3);
    EXPECT_EQ(platform::readFileData(dir.write("data", bytes)), NSData(bytes.begin(), bytes.end()));
    EXPECT_FALSE(platform::readFileData(dir.path() / "missing"));
    std::filesystem::create_directories(dir.path() / "folder" / "Contents" / "Info.json");
    ASSERT_EQ(mkfifo((dir.path() / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(platform::readFileData(dir.path() / "folder"));
    EXPECT_FALSE(platform::readFileData(dir.path() / "fifo"));
    EXPECT_FALSE(NSBundle::bundleWithPath(dir.path() / "folder"));
}

}  // namespace
