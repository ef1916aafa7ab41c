#include "platform/core/UserEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

namespace {

// Without a usable TMPDIR: a folder of the user's own that nobody else may
// enter.
void expectPrivateFolder(const std::optional<std::string>& directory) {
    ASSERT_TRUE(directory);
    EXPECT_EQ(*directory, "/tmp/nelvo-" + std::to_string(getuid()) + "/");
    struct stat info {};
    ASSERT_EQ(lstat(directory->c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode) && info.st_uid == getuid());
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(TemporaryDirectory, IsTMPDIREndingInASlashOrElseAPrivateFolder) {
    TempDir dir;
    {
        ScopedEnvironmentVariable tmpdir("TMPDIR", dir.path().string());
        EXPECT_EQ(NSTemporaryDirectory(), dir.path().string() + "/");
    }
    for (const std::optional<std::string>& value :
         {std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("/nonexistent/x")}) {
        SCOPED_TRACE(value.value_or("(unset)"));
        ScopedEnvironmentVariable tmpdir("TMPDIR", value);
        expectPrivateFolder(NSTemporaryDirectory());
    }
}

}  // namespace

// A shared TMPDIR (or /tmp) is never used itself; when another user took the
// name of the user's folder there first, a folder in the user's own tree is.
TEST(TemporaryDirectory, IsNeverASharedFolderNorOneAnotherUserMade) {
    const TempDir home;
    const std::string shared = (home.path() / "shared").string(), runtime = (home.path() / "run").string(),
                      cache = (home.path() / "cache").string();
    const std::string ownInShared = shared + "/nelvo-" + std::to_string(getuid());
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const struct {
        bool squatted;
        std::optional<std::string> runtime, cache;
        std::optional<std::string> expected;
    } cases[] = {
        {false, runtime, cache, ownInShared + "/"},
        {true, runtime, cache, runtime + "/nelvo/"},
        {true, std::nullopt, cache, cache + "/nelvo/tmp/"},
        {true, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.value_or("(none)"));
        std::filesystem::remove_all(shared);
        std::filesystem::create_directories(shared);
        std::filesystem::permissions(shared, std::filesystem::perms(01777));
        // Made by someone else: a folder that everybody may write to.
        if (c.squatted) {
            std::filesystem::create_directories(ownInShared);
            std::filesystem::permissions(ownInShared, std::filesystem::perms(0777));
        }
        ScopedEnvironmentVariable tmpdir("TMPDIR", shared), noHome("HOME", std::nullopt),
            runtimeDir("XDG_RUNTIME_DIR", c.runtime), cacheHome("XDG_CACHE_HOME", c.cache);
        EXPECT_EQ(NSTemporaryDirectory(), c.expected);
    }
}
