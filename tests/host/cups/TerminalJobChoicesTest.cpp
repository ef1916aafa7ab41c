// The terminal dialog's copies, pages and two-sided (F5), from the keyboard
// to the job as the queue's filter receives it: chosen values arrive, a
// page range that cannot be printed is refused before anything is sent,
// and the user's lpoptions open the box.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/PpdFixture.h"
#include "tests/support/PrivateCups.h"
#include "tests/support/PtyDialog.h"

namespace {

// A key to press, then the texts that the screen it leads to must show.
// F10 follows the last step.
struct Step {
    std::string key;
    std::vector<std::string> shows;
};

struct ChoicesCase {
    const char* name;
    std::string lpoptions;  // the user's file, without the queue's name
    std::vector<Step> steps;
    std::string copies;
    std::map<std::string, std::string> options;  // "": the option must not arrive
};

class TerminalJobChoices : public testing::TestWithParam<ChoicesCase> {
protected:
    void SetUp() override { cups.addQueue("Duplexer", "", writeFinishingPPD(dir)); }

    PrivateCups cups;
    TempDir dir;
    const std::filesystem::path document = dir.write("minutes.ps", "%!PS\nshowpage\n");
};

TEST_P(TerminalJobChoices, ReachTheJobOrAreRefused) {
    const ChoicesCase& c = GetParam();
    const UserLpoptions lpoptions(c.lpoptions.empty() ? "" : "Dest Duplexer " + c.lpoptions + "\n");
    PtyDialog dialog({{"-d", "Duplexer", "--print", document.string()}, cups.environment()});
    dialog.waitForText("[ ] Job Retention");
    for (const Step& step : c.steps) {
        dialog.send(step.key);
        dialog.waitFor(
            [&step](const ScreenFrame& screen) {
                return std::ranges::all_of(step.shows, [&screen](const auto& text) { return screen.contains(text); });
            },
            "the screen after " + step.key);
    }
    dialog.send(keys::f10);
    ASSERT_EQ(dialog.waitForExit(), 0) << dialog.output();
    const CapturedJob job = cups.waitForCapture("Duplexer");
    EXPECT_EQ(job.copies, c.copies);
    for (const auto& [name, value] : c.options) {
        const auto found = job.options.find(name);
        EXPECT_EQ(found == job.options.end() ? "" : found->second, value) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TerminalJobChoices,
    testing::Values(
        ChoicesCase{"ChosenValuesArrive",
                    "",
                    {{keys::f5, {"Copies and Pages"}},
                     {"2", {"Copies:      2_____"}},
                     {keys::tab, {}},
                     {"1-3,5", {"Pages:       1-3,5_"}},
                     {keys::tab, {}},
                     {keys::right, {"< Long edge >"}},
                     {keys::enter, {}}},
                    "2",
                    {{"page-ranges", "1-3,5"}, {"sides", "two-sided-long-edge"}, {"Duplex", "DuplexNoTumble"}}},
        // Refused, the dialog stays with the box open; emptied, every page goes.
        ChoicesCase{"BackwardRangeIsRefusedAndNotSent",
                    "",
                    {{keys::f5, {"Copies and Pages"}},
                     {keys::tab, {}},
                     {"3-1", {"Pages:       3-1_"}},
                     {keys::f10, {"Pages must be numbers or ranges"}},
                     {keys::clearField, {"Pages:       ____"}}},
                    "1",
                    {{"page-ranges", ""}}},
        ChoicesCase{"LpoptionsOpenTheBox",
                    "copies=3 page-ranges=2-4 sides=two-sided-short-edge",
                    {{keys::f5, {"Copies:      3_____", "Pages:       2-4_", "< Short edge >"}}},
                    "3",
                    {{"page-ranges", "2-4"}, {"sides", "two-sided-short-edge"}}}),
    [](const testing::TestParamInfo<ChoicesCase>& info) { return std::string(info.param.name); });

}  // namespace
