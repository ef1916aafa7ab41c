#include "platform/core/UserEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <string>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"

namespace {

TEST(TemporaryDirectory, IsTMPDIREndingInASlash) {
    TempDir dir;
    ScopedEnvironmentVariable tmpdir("TMPDIR", dir.path().string());
    EXPECT_EQ(NSTemporaryDirectory(), dir.path().string() + "/");
}

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

TEST(TemporaryDirectory, IsAPrivateFolderWithoutAUsableTMPDIR) {
    for (const std::optional<std::string>& value :
         {std::optional<std::string>(), std::optional<std::string>(""), std::optional<std::string>("/nonexistent/x")}) {
        SCOPED_TRACE(value.value_or("(unset)"));
        ScopedEnvironmentVariable tmpdir("TMPDIR", value);
        expectPrivateFolder(NSTemporaryDirectory());
    }
}

}  // namespace
