// print-dialog given text and files it cannot take as they are: it carries
// on where it can, and every output stays valid UTF-8 and of sane size.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/CommandLineText.h"
#include "platform/text/Utf16.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace host {

namespace {

namespace fs = std::filesystem;

bool isValidUtf8(const std::string& text) {
    return platform::utf8FromUtf16(platform::utf16FromUtf8(text)) == text;
}

TEST(CommandLineText, IsTakenInTheLocalesEncodingOrWithReplacementCharacters) {
    EXPECT_EQ(utf8FromCommandLine("Report \xe9t\xe9", "ISO-8859-1"), "Report \u00e9t\u00e9");
    EXPECT_EQ(utf8FromCommandLine("Report \xe9t\xe9", "UTF-8"), "Report \ufffdt\ufffd");
    EXPECT_EQ(utf8FromCommandLine("R\u00e9sum\u00e9", "ISO-8859-1"), "R\u00e9sum\u00e9");
}

TEST(PrintDialogHostileInput, AJobNameThatIsNotUtf8StillPrintsValidText) {
    const ProgramResult result =
        runPrintDialog({"--job-name", "Report \xe9t\xe9"}, "open\nrestore\nsummary\ndump\nsave\nsettings\n");
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_TRUE(isValidUtf8(result.out));
    EXPECT_NE(result.out.find("Report \ufffdt\ufffd"), std::string::npos) << result.out;
}

TEST(PrintDialogHostileInput, AnUnknownCommandIsQuotedCut) {
    const ProgramResult result = runPrintDialog({}, std::string(100000, 'x') + "\xff\n");
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_LT(result.err.size(), 200u);
    EXPECT_EQ(result.err.substr(0, 46), "print-dialog: line 1: unknown command 'xxxxxxx");
}

TEST(PrintDialogHostileInput, AMalformedLayoutIsReportedWithItsReason) {
    TempDir dir;
    const fs::path bundle = dir.path() / "copy.plugin";
    fs::copy(NELVO_BUNDLE_DIR, bundle, fs::copy_options::recursive);
    dir.write("copy.plugin/Contents/Resources/JobControl5.json", "{ \"controls\": [ ");
    const ProgramResult result = runPrintDialog({"--bundle", bundle.string()}, "open\nclick retentionCheckBox\n");
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.err.find("JobControl5.json could not be loaded: "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("its layout could not be loaded"), std::string::npos) << result.err;
}

}  // namespace

}  // namespace host
