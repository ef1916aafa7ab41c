// print-dialog's command line as users of GNU tools expect it.
#include <gtest/gtest.h>

#include <filesystem>

#include "PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = NELVO_BUILD_DIR "/print-dialog";

TEST(PrintDialogCommandLine, HelpNamesEveryOptionAndVersionSaysWhichProgram) {
    const ProgramResult help = runProgram({kProgram, "--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"--printer=NAME", "-d,", "--print=FILE", "--job-name=NAME", "--ppd=FILE", "--device-uri=URI",
                               "--bundle=DIR", "--settings=FILE", "--no-constraint-handling", "--lp-options",
                               "--interactive", "--ascii", "--help", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    const ProgramResult version = runProgram({kProgram, "--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out.rfind("print-dialog ", 0), 0u) << version.out;
}

TEST(PrintDialogCommandLine, TakesGnuFormsAndLpsShortQueueOption) {
    const ProgramResult result = runPrintDialog({"-d", "Annex", "--job-name=Q3 report, final", "--ascii"},
                                                "open\nview\nrestore\nprint\nsummary\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("Q3 report, final"), std::string::npos) << result.out;
    // The panel remembered the job's values for the queue named with -d.
    EXPECT_TRUE(fs::exists(fs::path(std::getenv("XDG_CONFIG_HOME")) / "user-defaults" / "nelvo.mfp.Annex.json"));
}

}  // namespace
