// print-dialog's command line as users of GNU tools expect it, and text on
// it that is not in the locale's encoding: every output stays valid UTF-8.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/CommandLineText.h"
#include "platform/text/Utf16.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace host {
namespace {

namespace fs = std::filesystem;

const std::string kProgram = NELVO_BUILD_DIR "/print-dialog";

TEST(PrintDialogCommandLine, HelpNamesEveryOptionAndVersionSaysWhichProgram) {
    const ProgramResult help = runProgram({kProgram, "--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"--printer=NAME", "-d,", "--print=FILE", "--job-name=NAME", "--ppd=FILE",
                               "--device-uri=URI", "--bundle=DIR", "--settings=FILE", "--no-constraint-handling",
                               "--lp-options", "--interactive", "--ascii", "--help", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    const ProgramResult version = runProgram({kProgram, "--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out.rfind("print-dialog ", 0), 0u) << version.out;
}

TEST(DeviceSimulatorCommandLine, AnswersHelpAndVersionAndTakesGnuForms) {
    const std::string simulator = NELVO_BUILD_DIR "/device-simulator";
    const ProgramResult help = runProgram({simulator, "--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("--protected-folder"), std::string::npos) << help.out;
    EXPECT_EQ(runProgram({simulator, "--version"}).out.rfind("device-simulator ", 0), 0u);
    const ProgramResult badPort = runProgram({simulator, "--port=65536"});
    EXPECT_EQ(badPort.exitStatus, 2);
    EXPECT_EQ(badPort.err.rfind("device-simulator: option --port needs a number from 0 to 65535\n", 0), 0u)
        << badPort.err;
    // With the value as a word of its own, the message still names the option.
    const ProgramResult badUser = runProgram({simulator, "--user", "jsmith"});
    EXPECT_EQ(badUser.err.rfind("device-simulator: option --user needs LOGIN:PASSWORD\n", 0), 0u) << badUser.err;
}

TEST(PrintDialogCommandLine, TakesGnuFormsAndLpsShortQueueOption) {
    const ProgramResult result = runPrintDialog({"-d", "Annex", "--job-name=Q3 report, final", "--ascii"},
                                                "open\nview\nrestore\nprint\nsummary\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find("Q3 report, final"), std::string::npos) << result.out;
    // The panel remembered the job's values for the queue named with -d.
    EXPECT_TRUE(fs::exists(fs::path(std::getenv("XDG_CONFIG_HOME")) / "user-defaults" / "nelvo.mfp.Annex.json"));
}

TEST(CommandLineText, IsTakenInTheLocalesEncodingOrWithReplacementCharacters) {
    EXPECT_EQ(utf8FromCommandLine("Report \xe9t\xe9", "ISO-8859-1"), "Report \u00e9t\u00e9");
    EXPECT_EQ(utf8FromCommandLine("Report \xe9t\xe9", "UTF-8"), "Report \ufffdt\ufffd");
    EXPECT_EQ(utf8FromCommandLine("R\u00e9sum\u00e9", "ISO-8859-1"), "R\u00e9sum\u00e9");
}

TEST(PrintDialogCommandLine, AJobNameThatIsNotUtf8StillPrintsValidText) {
    const ProgramResult result =
        runPrintDialog({"--job-name", "Report \xe9t\xe9"}, "open\nrestore\nsummary\ndump\nsave\nsettings\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(platform::utf8FromUtf16(platform::utf16FromUtf8(result.out)), result.out) << "valid UTF-8";
    EXPECT_NE(result.out.find("Report \ufffdt\ufffd"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace host
