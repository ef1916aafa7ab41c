// print-dialog refusing bad input: one short message on standard error,
// status 2, and the job's settings file as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kGoodSettings = "{\"kept\": \"yes\"}\n";

struct BadInput {
    const char* name;
    std::string options;  // words; "{dir}" stands for the test's folder
    std::string script;
    std::string error;  // the start of standard error
    std::string out = "";
    std::string settings = kGoodSettings;
};

class PrintDialogBadInput : public testing::TestWithParam<BadInput> {
protected:
    TempDir dir;

    std::vector<std::string> options() const {
        std::vector<std::string> options = {"--settings", (dir.path() / "settings.json").string()};
        const std::vector<std::string> given = commandWords(GetParam().options, "{dir}", dir.path().string());
        options.insert(options.end(), given.begin(), given.end());
        return options;
    }
};

TEST_P(PrintDialogBadInput, IsReportedAndWritesNothingBack) {
    const BadInput& input = GetParam();
    const fs::path settings = dir.write("settings.json", input.settings);
    dir.write("not-a-ppd.ppd", "This is not a PPD.\n");
    dir.write("empty-bundle/Contents/Info.json", readFile(fs::path(NELVO_BUNDLE_DIR) / "Contents" / "Info.json"));

    const ProgramResult result = runPrintDialog(options(), input.script);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err.substr(0, input.error.size()), input.error) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    EXPECT_LT(result.err.size(), 400u) << "quoted input is cut";
    EXPECT_EQ(result.out, input.out);
    EXPECT_EQ(readFile(settings), input.settings);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

// Each failing script first changes the settings, which must not reach the file.
INSTANTIATE_TEST_SUITE_P(
    Cases, PrintDialogBadInput,
    testing::Values(
        BadInput{"UnknownCommand", "", "set kept no\n\n# counted\nfrobnicate now\n",
                 "print-dialog: line 4: unknown command 'frobnicate'\n"},
        BadInput{"LongUnknownCommand", "", "set kept no\n" + std::string(100000, 'x') + "\xff\n",
                 "print-dialog: line 2: unknown command 'xxxxxxx"},
        BadInput{"UnknownControl", "", "set kept no\nopen\nclick noSuchControl\n",
                 "print-dialog: line 3: the panel has no control named 'noSuchControl'\n", "panels 1\n"},
        BadInput{"MissingValue", "", "set kept\n", "print-dialog: line 1: usage: set KEY VALUE\n"},
        BadInput{"ValueNotUtf8", "", "open\nset kept \xff\xfe\n",
                 "print-dialog: line 2: the key and value of 'set' must be UTF-8 text\n", "panels 1\n"},
        BadInput{"BeforeOpen", "", "set kept no\nname\n",
                 "print-dialog: line 2: 'name' needs an open panel: use 'open' first\n"},
        BadInput{"NoPanelForTheType", "", "open PageSetup\nset kept no\nrestore\n",
                 "print-dialog: line 3: 'restore' needs an open panel", "panels 0\n"},
        BadInput{"UnreadablePPD", "--ppd {dir}/not-a-ppd.ppd", "open\n", "print-dialog: cannot open the PPD "},
        BadInput{"BundleWithoutExecutable", "--bundle {dir}/empty-bundle", "open\n",
                 "print-dialog: cannot load the bundle's executable"},
        BadInput{"SettingsNotJson", "", "set kept no\n", "print-dialog: the settings file ", "", "{ \"kept\": "},
        BadInput{"SettingsValueNotAString", "", "set kept no\n", "print-dialog: the settings file ", "",
                 "{\"kept\": \"yes\", \"count\": 1}"},
        BadInput{"UnknownOption", "--colour", "open\n", "print-dialog: unknown option --colour\n"},
        BadInput{"TwoScripts", "{dir}/script.txt", "open\n", "print-dialog: more than one script given\n"}),
    [](const testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

// Cases where the script is not standard input.
TEST(PrintDialogBadCommandLine, IsReported) {
    TempDir dir;
    const std::string program = NELVO_BUILD_DIR "/print-dialog";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{program, (dir.path() / "missing.txt").string()}, "print-dialog: cannot read the script "},
        {{program, "--printer"}, "print-dialog: option --printer needs a value\n"},
        {{program, "--printer=", "-"}, "print-dialog: --printer needs a non-empty identifier\n"},
        {{program, "--lp-options", "--print=report.pdf", "-"},
         "print-dialog: --lp-options and --print exclude each other"},
        // Folders where files belong.
        {{program, dir.path().string()}, "print-dialog: the script "},
        {{program, "--settings", dir.path().string(), "-"}, "print-dialog: the settings file "},
        {{program, "--bundle", dir.path().string(), "-"}, "print-dialog: cannot read the bundle "},
    };
    std::filesystem::create_directories(dir.path() / "Contents" / "Info.json");
    for (const auto& [argv, error] : cases) {
        const ProgramResult result = runProgram(argv);
        EXPECT_EQ(result.exitStatus, 2) << argv.back();
        EXPECT_EQ(result.err.substr(0, error.size()), error) << argv.back();
    }
}

TEST(PrintDialogBadInputLayout, AMalformedLayoutIsReportedWithItsReason) {
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
