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

struct VersionCase {
    const char* text;
    Slots slots;  // from the preset -1, -2, -3
    bool leopardOrLater;
};

const VersionCase kVersions[] = {
    {"10.4.11", {10, 4, 11}, false}, {"10.5", {10, 5, -3}, true},   {"11.0", {11, 0, -3}, true},
    {"12", {12, -2, -3}, true},      {"", kPreset, false},          {"10.4.11.3", {10, 4, 11}, false},
    {" 10. 5", {10, 5, -3}, true},   {"10.x5", {10, 0, -3}, false}, {"10.5beta", {10, 5, -3}, true},
};

TEST(SystemVersion, ReadsTheFieldsOfProductVersion) {
    for (const VersionCase& test : kVersions) {
        TempDir dir;
        const std::string path = dir.write("SystemVersion.plist", plistOfVersion(test.text)).string();
        EXPECT_EQ(versionFrom(path), test.slots) << '"' << test.text << '"';
        EXPECT_EQ(runningOnLeopardOrLater(path), test.leopardOrLater) << '"' << test.text << '"';
    }
}

TEST(SystemVersion, KeepsTheSlotsWithoutAReadableVersion) {
    TempDir dir;
    const std::string unreadable[] = {
        (dir.path() / "missing.plist").string(),
        dir.write("no-entry.plist", plistWith("")).string(),
        dir.write("number.plist", plistWith("  <key>ProductVersion</key>\n  <real>10.6</real>\n")).string(),
        dir.write("broken.plist", "<plist><dict><key>ProductVersion</key><string>10.6").string(),
    };
    for (const std::string& path : unreadable) {
        EXPECT_EQ(versionFrom(path), kPreset) << path;
        EXPECT_FALSE(runningOnLeopardOrLater(path)) << path;
    }
}

}  // namespace
