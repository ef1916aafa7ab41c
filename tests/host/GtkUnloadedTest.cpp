// The scripted and the terminal dialogs never load GTK: the program maps it
// from a module of its own, for GTK's dialog alone. The dynamic linker's
// log (LD_DEBUG=libs) names every library a run loaded, those opened later
// with dlopen (the bundle) as well.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PtyDialog.h"
#include "tests/support/TempDir.h"

namespace {

std::map<std::string, std::string> linkerLogIn(const TempDir& directory) {
    return {{"LD_DEBUG", "libs"}, {"LD_DEBUG_OUTPUT", (directory.path() / "ld").string()}};
}

// The linker's log of every process started with linkerLogIn(directory).
std::string linkerLog(const TempDir& directory) {
    std::string log;
    for (const auto& entry : std::filesystem::directory_iterator(directory.path()))
        if (entry.path().filename().string().starts_with("ld.")) log += readFile(entry.path());
    return log;
}

}  // namespace

TEST(GtkUnloaded, TheScriptedAndTheTerminalDialogsNeverMapGtk) {
    const TempDir scripted;
    const ProgramResult print =
        runPrintDialog({}, "open\nview\nrestore\nshow\nclick retentionCheckBox\nprint\nclose\n", linkerLogIn(scripted));
    ASSERT_EQ(print.exitStatus, 0) << print.err;

    const TempDir terminal;
    {
        PtyDialog dialog({{}, linkerLogIn(terminal)});
        dialog.waitForText("[ ] Job Retention");
        EXPECT_EQ(dialog.cancel(), 1);
    }

    for (const TempDir* run : {&scripted, &terminal}) {
        const std::string log = linkerLog(*run);
        EXPECT_NE(log.find("NelvoPrintPdeZlm420kJC.so"), std::string::npos) << "the log misses the bundle";
        EXPECT_EQ(log.find("libgtk-4"), std::string::npos) << "GTK was loaded";
    }
}
