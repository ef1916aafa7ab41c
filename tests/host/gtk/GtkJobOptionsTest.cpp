// GTK's settings of a job turned into the options that reach CUPS, where
// the print through CUPS (GtkChoicesTest.cpp) does not look: two-sided as
// "sides" or the PPD's own choice, scaling, page sets, the panel's keys left
// to the panel, and page ranges that are none.
#include <gtest/gtest.h>

#include "host/gtk/GtkJobOptions.h"

namespace host {
namespace {

struct GtkCase {
    const char* name;
    std::map<std::string, std::string> settings;
    OptionPairs expected;
};

class GtkSettingsBecomeJobOptions : public testing::TestWithParam<GtkCase> {};

TEST_P(GtkSettingsBecomeJobOptions, AsGtksOwnCupsPrintingSendsThem) {
    EXPECT_EQ(jobOptionsFromGtk(GetParam().settings, {"KZDocFiling", "KZJobName"}), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GtkSettingsBecomeJobOptions,
    testing::Values(GtkCase{"LongEdgeAtFullScale",
                            {{"duplex", "horizontal"}, {"printer", "Office_MFP"}, {"scale", "100"}},
                            {{"sides", "two-sided-long-edge"}}},
                    // A PPD's Duplex stands for two-sided; the panel's own PPD keys
                    // are the panel's to send.
                    GtkCase{"PrinterOptions",
                            {{"duplex", "simplex"},
                             {"cups-Duplex", "DuplexNoTumble"},
                             {"cups-job-priority", "80"},
                             {"cups-job-hold-until", "23:30:00"},
                             {"cups-KZDocFiling", "None"},
                             {"cups-KZJobName", "Default"}},
                            {{"Duplex", "DuplexNoTumble"}, {"job-hold-until", "23:30:00"}, {"job-priority", "80"}}},
                    GtkCase{"EvenPagesScaledShortEdge",
                            {{"page-set", "even"}, {"scale", "80"}, {"duplex", "vertical"}, {"print-pages", "all"}},
                            {{"page-set", "even"}, {"sides", "two-sided-short-edge"}, {"scaling", "80"}}}),
    [](const testing::TestParamInfo<GtkCase>& info) { return std::string(info.param.name); });

TEST(GtkPageRanges, CountFromOneAndRefuseWhatIsNoRange) {
    const std::pair<const char*, const char*> cases[] = {{"0", "1"},  {"0-1,3", "1-2,4"}, {"2-2", "3"}, {"x", ""},
                                                         {"1-y", ""}, {"-1", ""},         {"", ""}};
    for (const auto& [gtk, cups] : cases)
        EXPECT_EQ(pageRangesFromGtk(gtk), cups) << gtk;
}

}  // namespace
}  // namespace host
