#include "plugin/SystemVersion.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/support/TempDir.h"

namespace {

using Slots = std::array<int32_t, 3>;
constexpr Slots kPreset = {-1, -2, -3};

std::string plistWith(const std::string& entries) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
           "  <key>ProductName</key>\n  <string>System</string>\n" +
           entries + "</dict>\n</plist>\n";
}

std::string plistOfVersion(const std::string& version) {
    return plistWith("  <key>ProductVersion</key>\n  <string>" + version + "</string>\n");
}

Slots versionFrom(const std::string& path) {
    Slots slots = kPreset;
    get_system_version(&slots[0], &slots[1], &slots[2], path);
    return slots;
}

// The answer goes only into a log line: what matters is that the fields are
// read as numbers and that no file upsets the panel's creation.
TEST(SystemVersion, ReadsTheFieldsOfProductVersionAndKeepsTheSlotsWithoutOne) {
    TempDir dir;
    const std::pair<std::string, Slots> files[] = {
        {plistOfVersion("10.4.11.3"), {10, 4, 11}},
        {plistOfVersion(" 10. 5"), {10, 5, -3}},
        {plistOfVersion("10.x5"), {10, 0, -3}},
        {plistOfVersion("12"), {12, -2, -3}},
        {plistOfVersion(""), kPreset},
        {plistWith(""), kPreset},
        {plistWith("  <key>ProductVersion</key>\n  <real>10.6</real>\n"), kPreset},
        {"<plist><dict><key>ProductVersion</key><string>10.6", kPreset},
    };
    for (const auto& [contents, slots] : files)
        EXPECT_EQ(versionFrom(dir.write("SystemVersion.plist", contents).string()), slots) << contents;
    EXPECT_EQ(versionFrom((dir.path() / "missing.plist").string()), kPreset);
    EXPECT_TRUE(runningOnLeopardOrLater(dir.write("SystemVersion.plist", plistOfVersion("10.5beta")).string()));
    EXPECT_FALSE(runningOnLeopardOrLater(dir.write("SystemVersion.plist", plistOfVersion("10.4.11")).string()));
}

}  // namespace
