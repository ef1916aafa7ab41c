// lp arguments: what CUPS makes of them must be the job's settings, and
// with --lp-options they are all that print-dialog writes on standard output.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <wordexp.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "host/LpOptions.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace host {

namespace {

// What lp hands to the queue for the arguments of `line`, split into words
// by the C library's own shell word expansion (commands refused).
std::map<std::string, std::string> optionsLpSees(const std::string& line) {
    wordexp_t words{};
    EXPECT_EQ(wordexp(line.c_str(), &words, WRDE_NOCMD | WRDE_UNDEF), 0) << line;
    std::map<std::string, std::string> options;
    for (size_t index = 0; index + 1 < words.we_wordc; index += 2) {
        EXPECT_STREQ(words.we_wordv[index], "-o");
        cups_option_t* parsed = nullptr;
        const int count = cupsParseOptions(words.we_wordv[index + 1], 0, &parsed);
        EXPECT_EQ(count, 1) << words.we_wordv[index + 1];
        for (int i = 0; i < count; ++i)
            options[parsed[i].name] = parsed[i].value;
        cupsFreeOptions(count, parsed);
    }
    wordfree(&words);
    return options;
}

}  // namespace

TEST(LpArguments, CupsReadsBackEveryValueAsItIs) {
    platform::PrintSettings settings;
    const std::map<std::string, std::string> values = {
        {"nelvo.print.PrintSettings.jobSuspend", "2"},
        {"job.name", "Quarterly report, final"},
        {"quotes", "it's \"done\""},
        {"backslash", "C:\\temp\\"},
        {"braces", "{not a collection}"},
        {"empty", ""},
        {"shell", "$HOME * ~ `id` $(id)"},
    };
    for (const auto& [key, value] : values)
        settings.set(key, value);
    const std::string line = lpArguments({}, settings);
    EXPECT_EQ(optionsLpSees(line), values) << line;
    EXPECT_NE(line.find("-o nelvo.print.PrintSettings.jobSuspend=2"), std::string::npos)
        << "plain values stay readable: " << line;
}

namespace {

namespace fs = std::filesystem;

TEST(PrintDialogLpOptions, StandardOutputIsLpsArgumentsAlone) {
    TempDir dir;
    const fs::path settings = dir.path() / "job.json";
    const ProgramResult result =
        runPrintDialog({"--lp-options", "--settings", settings.string(), "--job-name", "it's \"done\""},
                       "open\nview\nrestore\nclick retentionCheckBox\ntype suspendKeyEditText 123\nprint\nsettings\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.err.find("print: YES"), std::string::npos) << "the transcript goes to standard error";
    EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << result.out;

    const auto written = nlohmann::json::parse(readFile(settings)).get<std::map<std::string, std::string>>();
    EXPECT_EQ(optionsLpSees(result.out.substr(0, result.out.size() - 1)), written);
}

TEST(PrintDialogLpOptions, NotPrintingGivesLpNothingAndFails) {
    const ProgramResult result = runPrintDialog({"--lp-options"}, "open\nview\nrestore\nsettings\n");
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
}

}  // namespace

}  // namespace host
