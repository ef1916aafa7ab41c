#include "platform/core/Bundle.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

namespace {

std::unique_ptr<NSBundle> builtBundle() {
    auto bundle = NSBundle::bundleWithPath(NELVO_BUNDLE_DIR);
    if (!bundle) ADD_FAILURE() << "no bundle at " << NELVO_BUNDLE_DIR;
    return bundle;
}

TEST(Bundle, ReadsItsInfoAndFindsResourcesByNameAndType) {
    const auto bundle = builtBundle();
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->bundleIdentifier(), "nelvo.print.pde.zlm420k.JobControl");
    EXPECT_EQ(bundle->principalClassName(), "NelvoPrintPdeZlm420kJCPDEPlugIn");
    EXPECT_TRUE(std::filesystem::is_regular_file(bundle->executablePath()));

    const auto requestBody = bundle->pathForResource("listfiles", "xml");
    ASSERT_TRUE(requestBody);
    EXPECT_EQ(std::filesystem::path(*requestBody), bundle->resourcePath() / "listfiles.xml");
    EXPECT_TRUE(bundle->pathForResource("space", "png"));
    EXPECT_FALSE(bundle->pathForResource("listfiles", "json"));
    EXPECT_FALSE(bundle->pathForResource("missing", "xml"));
    // A folder is not a resource.
    EXPECT_FALSE(bundle->pathForResource("locale", ""));
}

TEST(Bundle, NeedsAnInfoObject) {
    TempDir dir;
    EXPECT_FALSE(NSBundle::bundleWithPath(dir.path()));
    dir.write("Contents/Info.json", "[\"not\", \"an object\"]");
    EXPECT_FALSE(NSBundle::bundleWithPath(dir.path()));
    dir.write("Contents/Info.json", "{ unfinished");
    EXPECT_FALSE(NSBundle::bundleWithPath(dir.path()));
    dir.write("Contents/Info.json", "{}");
    EXPECT_TRUE(NSBundle::bundleWithPath(dir.path()));
}

TEST(Bundle, LocalizesThroughItsOwnCatalogue) {
    const auto bundle = builtBundle();
    ASSERT_TRUE(bundle);
    EXPECT_EQ(bundle->localizedStringForKey("Job Handling"), "Job Handling");

    ScopedEnvironmentVariable language("LANGUAGE", "de");
    ScopedLocale german(LC_ALL, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    EXPECT_EQ(bundle->localizedStringForKey("Job Handling"), "Auftragsverwaltung");
    EXPECT_EQ(bundle->localizedStringForKey("No Such Text"), "No Such Text");
    EXPECT_EQ(bundle->localizedStringForKey("No Such Text", "Fallback"), "Fallback");
    // Not the catalogue's header, which gettext keeps under the empty key.
    EXPECT_EQ(bundle->localizedStringForKey(""), "");
}

TEST(ReadFileData, GivesTheBytesOrNone) {
    TempDir dir;
    const std::string bytes("a\0\xff", 3);
    EXPECT_EQ(platform::readFileData(dir.write("data", bytes)), NSData(bytes.begin(), bytes.end()));
    EXPECT_EQ(platform::readFileData(dir.write("empty", "")), NSData());
    EXPECT_FALSE(platform::readFileData(dir.path() / "missing"));
}

}  // namespace
