// The terminal dialog's copies, pages and two-sided: what opens the box,
// which values are refused, and which options a change gives.
#include "host/terminal/JobChoices.h"

#include <gtest/gtest.h>

namespace host {
namespace {

const JobChoiceTexts kTexts{"copies {0}", "pages"};

struct ProblemCase {
    std::string copies;
    std::string pages;
    std::optional<std::string> problem;
};

TEST(JobChoices, RefusesWhatCupsCannotPrint) {
    const ProblemCase cases[] = {
        {"1", "", std::nullopt},       {"9999", "1-3,5", std::nullopt},
        {"2", "4-4", std::nullopt},    {"0", "", "copies 9999"},
        {"10000", "", "copies 9999"},  {"", "", "copies 9999"},
        {"2", "3-1", "pages"},         {"2", "0", "pages"},
        {"2", "1-3,", "pages"},        {"2", ",1", "pages"},
        {"2", "1--3", "pages"},        {"2", "-3", "pages"},
        {"2", "99999999999", "pages"},
    };
    for (const ProblemCase& c : cases) {
        JobChoices choices;
        choices.copies = c.copies;
        choices.pages = c.pages;
        EXPECT_EQ(problemWith(choices, kTexts), c.problem) << c.copies << " / " << c.pages;
    }
}

struct OpeningCase {
    OptionPairs destination;
    std::optional<std::string> ppdDuplex;
    JobChoices expected;
};

TEST(JobChoices, OpenWithTheDestinationsOptions) {
    const OpeningCase cases[] = {
        {{}, std::nullopt, {"1", "", TwoSided::off, false}},
        {{{"copies", "3"}, {"page-ranges", "2-4"}}, std::nullopt, {"3", "2-4", TwoSided::off, false}},
        {{}, "DuplexTumble", {"1", "", TwoSided::shortEdge, true}},
        {{{"sides", "two-sided-long-edge"}}, "None", {"1", "", TwoSided::longEdge, true}},
        {{{"sides", "one-sided"}, {"Duplex", "DuplexTumble"}}, "None", {"1", "", TwoSided::shortEdge, true}},
    };
    for (const OpeningCase& c : cases) {
        const JobChoices opened = choicesFromDestination(c.destination, c.ppdDuplex);
        EXPECT_EQ(opened.copies, c.expected.copies);
        EXPECT_EQ(opened.pages, c.expected.pages);
        EXPECT_EQ(opened.twoSided, c.expected.twoSided);
        EXPECT_EQ(opened.twoSidedOffered, c.expected.twoSidedOffered);
    }
}

TEST(JobChoices, OnlyChangesBecomeOptions) {
    const JobChoices opened{"2", "1-3", TwoSided::off, true};
    const struct {
        JobChoices chosen;
        OptionPairs expected;
    } cases[] = {
        {opened, {}},
        {{"3", "", TwoSided::longEdge, true},
         {{"copies", "3"}, {"page-ranges", "1-"}, {"sides", "two-sided-long-edge"}, {"Duplex", "DuplexNoTumble"}}},
        {{"2", "1-3", TwoSided::shortEdge, false}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(changedJobOptions(opened, c.chosen), c.expected);
}

}  // namespace
}  // namespace host
