// The typical print, from the keyboard in an 80 by 24 terminal: tab to the
// retention check box, switch it on, type a pass code, lock it, print. The
// screen is read at each step, and the job must carry what the scripted
// dialog gives for the same operations.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/support/PtyDialog.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"

namespace {

// The job's settings without the values made from the save's spool time,
// which differs between two runs.
nlohmann::json settingsIn(const std::filesystem::path& file) {
    nlohmann::json settings = nlohmann::json::parse(readFile(file));
    for (const char* key : {"spoolTime", "jobSuspendKey", "folderPassword"})
        settings.erase(std::string("nelvo.print.PrintSettings.") + key);
    return settings;
}

// Each run keeps its remembered defaults apart, so that neither sees what
// the other locked.
std::map<std::string, std::string> ownDefaults(const TempDir& directory, const std::string& name) {
    std::filesystem::create_directories(directory.path() / name);
    return {{"XDG_CONFIG_HOME", (directory.path() / name).string()}};
}

}  // namespace

TEST(TypicalPrint, FromTheKeyboardGivesTheScriptedJob) {
    const TempDir directory;
    const auto interactiveJob = directory.path() / "interactive.json";
    PtyDialog dialog({{"--settings", interactiveJob.string()}, ownDefaults(directory, "interactive")});

    dialog.waitForText("[ ] Job Retention");
    dialog.switchRetentionOn();

    // On to the pass code: the cursor stands at the start of its field.
    const auto inPassCodeField = [](const ScreenFrame& s) {
        const int row = s.rowOf("Pass Code:");
        return s.cursorOn(row) && s.cursorColumn == s.columnOf(row, "___");
    };
    ScreenFrame screen = dialog.pressUntil(keys::tab, inPassCodeField, "the cursor in the pass-code field");
    EXPECT_TRUE(screen.contains("\U0001F513")) << "the pass code's lock is open\n" << screen.picture();

    dialog.send("123");
    screen = dialog.waitForText("Pass Code:          \u2022\u2022\u2022___");  // masked
    const int passRow = screen.rowOf("Pass Code:");

    // The lock button beside it: locking shows the closed padlock.
    dialog.press(keys::tab);
    screen = dialog.press(keys::space);
    EXPECT_NE(screen.text[static_cast<size_t>(passRow)].find("[\U0001F512]"), std::string::npos) << screen.picture();
    EXPECT_NE(screen.styleAt(passRow, screen.columnOf(passRow, "\u2022\u2022\u2022")) & 1, 0) << "and dims the field";

    dialog.send(keys::f10);
    ASSERT_EQ(dialog.waitForExit(), 0) << dialog.output();
    const nlohmann::json interactive = settingsIn(interactiveJob);

    // The same operations through a script.
    const auto scriptedJob = directory.path() / "scripted.json";
    const ProgramResult scripted =
        runProgram({NELVO_BUILD_DIR "/print-dialog", "--settings", scriptedJob.string(), "-"},
                   "open\nview\nrestore\nshow\nclick retentionCheckBox\ntype suspendKeyEditText 123\nclick "
                   "suspendKeyButton\nprint\n",
                   ownDefaults(directory, "scripted"));
    ASSERT_EQ(scripted.exitStatus, 0) << scripted.err;
    EXPECT_EQ(interactive, settingsIn(scriptedJob));

    // What the typical print carries: hold only, filing "0", the pass code
    // in its fixed-key form.
    EXPECT_EQ(interactive.value("nelvo.print.PrintSettings.jobSuspend", ""), "2");
    EXPECT_EQ(interactive.value("nelvo.print.PrintSettings.filing", ""), "0");
    EXPECT_TRUE(interactive.contains("nelvo.print.PrintSettings.jobSuspend2Key"));
    // After the dialog closes it prints the job's settings.
    for (const auto& [key, value] : interactive.items())
        EXPECT_NE(dialog.output().find(key + "=" + value.get<std::string>()), std::string::npos) << key;
}
