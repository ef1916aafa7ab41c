// print-dialog running scripts end to end.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/support/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(PrintDialogScript, RunsTheDialogCallsOnThePanel) {
    const ProgramResult result = runPrintDialog({}, R"(# the dialog opens the panel
open
  name
kind

keys
view
restore
print
close
open
kind
)");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, R"(panels 1
Job Handling
nelvo.print.pde.zlm420k.JobControlKind
KZDocFiling
KZHoldKey
KZUserNumber
KZUserName
KZJobName
view: loaded
restore: YES
print: YES
panels 1
nelvo.print.pde.zlm420k.JobControlKind
)");
}

nlohmann::json jsonIn(const fs::path& path) {
    return nlohmann::json::parse(readFile(path), nullptr, false);
}

TEST(PrintDialogScript, ReadsTheSettingsFileAtTheStartAndWritesItBackAtTheEnd) {
    TempDir dir;
    const fs::path file = dir.write("job.json", R"({"z.key": "1", "m.key": "kept"})");
    // A copy that a killed writer left: private, unlocked, holding secrets.
    const fs::path abandoned = dir.write("job.json.k1LL3d", R"({"jobSuspend2Key": "secret"})");
    fs::permissions(abandoned, fs::perms(0600));
    const ProgramResult result = runPrintDialog(
        {"--settings", file.string()},
        "settings\nset c.key 3\nset y.key two  words\r\nset c.key replaced\nunset z.key\nunset never.set\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "m.key=kept\nz.key=1\n");
    EXPECT_EQ(jsonIn(file), nlohmann::json({{"c.key", "replaced"}, {"m.key", "kept"}, {"y.key", "two  words"}}));
    // Replaced whole: no temporary file stays beside it, nor the abandoned one.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// A custom folder's name and pass code, typed, then another choice of the
// folder matrix: quick file and the main folder clear both fields.
TEST(PrintDialogScript, QuickFileAndTheMainFolderClearTheCustomFoldersFields) {
    for (const char* row : {"0", "1"}) {
        const ProgramResult result = runPrintDialog(
            {},
            "open\nview\nrestore\nclick retentionCheckBox\nselect folderSelectionMatrix 2\n"
            "type folderNameEditText Projects\ntype folderPasswordEditText 4321\nselect folderSelectionMatrix " +
                std::string(row) + "\ndump\n");
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        const nlohmann::json controls = nlohmann::json::parse(result.out.substr(result.out.find('{')))["controls"];
        EXPECT_EQ(controls["folderNameEditText"]["text"], "") << row;
        EXPECT_EQ(controls["folderPasswordEditText"]["text"], "") << row;
    }
}

}  // namespace
