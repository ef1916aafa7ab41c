// print-dialog running scripts end to end.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "PrintDialogRunner.h"
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
save
print
hide
help
close
open 2B6A1F3C-PAGE-SETUP
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
save: YES
print: YES
hide: YES
help: YES
panels 0
panels 1
nelvo.print.pde.zlm420k.JobControlKind
)");
}

TEST(PrintDialogScript, NamesThePanelInTheUsersLanguage) {
    const ProgramResult result = runPrintDialog({}, "open\nname\n", {{"LC_ALL", "de_DE.UTF-8"}, {"LANGUAGE", "de"}});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "panels 1\nAuftragsverwaltung\n");
}

TEST(PrintDialogScript, SetAndUnsetChangeThePrintSettingsDirectly) {
    const ProgramResult result = runPrintDialog({}, "set c.key 3\r\n"
                                                    "set b.key 2\n"
                                                    "set a.key value with  two spaces\n"
                                                    "set c.key replaced\n"
                                                    "unset b.key\n"
                                                    "unset never.set\n"
                                                    "settings\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "a.key=value with  two spaces\nc.key=replaced\n");
}

nlohmann::json jsonIn(const fs::path& path) { return nlohmann::json::parse(readFile(path), nullptr, false); }

TEST(PrintDialogScript, ReadsTheSettingsFileAtTheStartAndWritesItBackAtTheEnd) {
    TempDir dir;
    const fs::path file = dir.write("job.json", R"({"z.key": "1", "m.key": "kept"})");
    const ProgramResult result =
        runPrintDialog({"--settings", file.string()}, "settings\nset y.key two words\nunset z.key\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "m.key=kept\nz.key=1\n");
    EXPECT_EQ(jsonIn(file), nlohmann::json({{"m.key", "kept"}, {"y.key", "two words"}}));
    // Replaced whole: no temporary file stays beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PrintDialogScript, CreatesAMissingSettingsFile) {
    TempDir dir;
    const fs::path file = dir.path() / "new.json";
    const ProgramResult result = runPrintDialog({"--settings", file.string()}, "open\nset a.key 1\nclose\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(jsonIn(file), nlohmann::json({{"a.key", "1"}}));
}

TEST(PrintDialogScript, RunsAScriptFile) {
    TempDir dir;
    const fs::path script = dir.write("script.txt", "open\nkind\n");
    const ProgramResult result = runProgram({NELVO_BUILD_DIR "/print-dialog", script.string()}, "", {{"LC_ALL", "C"}});
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, "panels 1\nnelvo.print.pde.zlm420k.JobControlKind\n");
}

}  // namespace
