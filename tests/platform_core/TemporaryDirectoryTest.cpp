#include "platform/core/UserEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

namespace {

TEST(TemporaryDirectory, IsTMPDIREndingInASlash) {
    TempDir dir;
    {
        ScopedEnvironmentVariable tmpdir("TMPDIR", dir.path().string());
        EXPECT_EQ(NSTemporaryDirectory(), dir.path().string() + "/");
    }
    ScopedEnvironmentVariable tmpdir("TMPDIR", dir.path().string() + "/");
    EXPECT_EQ(NSTemporaryDirectory(), dir.path().string() + "/");
}

// Without a usable TMPDIR: a folder of the user's own that nobody else may
// enter.
void expectPrivateFolder(const std::optional<std::string>& directory) {
    ASSERT_TRUE(directory);
    EXPECT_EQ(*directory, "/tmp/nelvo-" + std::to_string(getuid()) + "/");
    struct stat info {};
    ASSERT_EQ(lstat(directory->c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(TemporaryDirectory, IsAPrivateFolderWithoutTMPDIR) {
    {
        ScopedEnvironmentVariable tmpdir("TMPDIR", std::nullopt);
        expectPrivateFolder(NSTemporaryDirectory());
    }
    {
        ScopedEnvironmentVariable tmpdir("TMPDIR", "");
        expectPrivateFolder(NSTemporaryDirectory());
    }
    ScopedEnvironmentVariable tmpdir("TMPDIR", "/nonexistent/nelvo-test");
    expectPrivateFolder(NSTemporaryDirectory());
}

}  // namespace
