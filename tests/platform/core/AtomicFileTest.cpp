#include "platform/core/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>

#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

mode_t permissionsOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

size_t entriesIn(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(WriteFileAtomically, ReplacesTheFileWithTheGivenModeInsteadOfRewritingIt) {
    TempDir dir;
    const fs::path path = dir.write("settings", "old contents, longer than the new");
    fs::create_hard_link(path, dir.path() / "reader");
    ASSERT_TRUE(platform::writeFileAtomically(path, "new", 0644));
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(permissionsOf(path), 0644u);
    ASSERT_TRUE(platform::writeFileAtomically(dir.path() / "private", "secret"));
    EXPECT_EQ(permissionsOf(dir.path() / "private"), 0600u) << "private unless told";
    // One who had the old file open still sees it whole.
    EXPECT_EQ(readFile(dir.path() / "reader"), "old contents, longer than the new");
    EXPECT_EQ(entriesIn(dir.path()), 3u) << "no temporary file left";
}

TEST(WriteFileAtomically, FailingLeavesNothingBehind) {
    TempDir dir;
    EXPECT_FALSE(platform::writeFileAtomically(dir.path() / "missing" / "file", "x"));
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));

    // The rename fails onto a folder that holds something: no temporary
    // file may stay beside it.
    dir.write("folder/inside", "kept");
    EXPECT_FALSE(platform::writeFileAtomically(dir.path() / "folder", "x"));
    EXPECT_EQ(readFile(dir.path() / "folder" / "inside"), "kept");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

}  // namespace
