// lp arguments: what CUPS makes of them must be the job's settings.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <wordexp.h>

#include <map>

#include "host/LpOptions.h"
#include "tests/support/RunProgram.h"

namespace {

// The words a POSIX shell makes of `line`, by the C library's own shell
// word expansion (commands refused).
std::vector<std::string> shellWords(const std::string& line) {
    wordexp_t expansion{};
    const int failure = wordexp(line.c_str(), &expansion, WRDE_NOCMD | WRDE_UNDEF);
    EXPECT_EQ(failure, 0) << line;
    if (failure != 0) return {};
    std::vector<std::string> words(expansion.we_wordv, expansion.we_wordv + expansion.we_wordc);
    wordfree(&expansion);
    return words;
}

// What lp hands to the queue for the arguments of `line`.
std::map<std::string, std::string> optionsLpSees(const std::string& line) {
    const std::vector<std::string> words = shellWords(line);
    std::map<std::string, std::string> options;
    for (size_t index = 0; index < words.size(); index += 2) {
        EXPECT_EQ(words[index], "-o");
        if (index + 1 >= words.size()) break;
        cups_option_t* parsed = nullptr;
        const int count = cupsParseOptions(words[index + 1].c_str(), 0, &parsed);
        EXPECT_EQ(count, 1) << words[index + 1];
        for (int i = 0; i < count; ++i) options[parsed[i].name] = parsed[i].value;
        cupsFreeOptions(count, parsed);
    }
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
    for (const auto& [key, value] : values) settings.set(key, value);
    const std::string line = lpArguments(settings);
    EXPECT_EQ(optionsLpSees(line), values) << line;
    EXPECT_NE(line.find("-o nelvo.print.PrintSettings.jobSuspend=2"), std::string::npos)
        << "plain values stay readable: " << line;
}

TEST(LpArguments, TheScriptedDialogPrintsThemAfterPrinting) {
    const std::vector<std::string> argv = {NELVO_BUILD_DIR "/print-dialog", "--lp-options", "-"};
    const ProgramResult printed = runProgram(argv, "open\nset some.key two words\nprint\n");
    ASSERT_EQ(printed.exitStatus, 0) << printed.err;
    const std::string lastLine = printed.out.substr(printed.out.rfind('\n', printed.out.size() - 2) + 1);
    EXPECT_EQ(optionsLpSees(lastLine.substr(0, lastLine.size() - 1)).at("some.key"), "two words") << printed.out;
}
