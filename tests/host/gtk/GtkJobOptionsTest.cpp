// GTK's settings of a job turned into the options that reach CUPS: GTK's
// 0-based page ranges, two-sided as "sides" or the PPD's own choice, the
// printer's "cups-" options by their CUPS names, and the panel's keys left
// to the panel.
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
    testing::Values(GtkCase{"GeneralTab",
                            {{"n-copies", "2"},
                             {"collate", "false"},
                             {"reverse", "true"},
                             {"print-pages", "ranges"},
                             {"page-ranges", "0-1,4"},
                             {"duplex", "horizontal"},
                             {"number-up", "2"},
                             {"printer", "Office_MFP"},
                             {"scale", "100"}},
                            {{"copies", "2"},
                             {"Collate", "false"},
                             {"OutputOrder", "Reverse"},
                             {"page-ranges", "1-2,5"},
                             {"sides", "two-sided-long-edge"},
                             {"number-up", "2"}}},
                    // A PPD's Duplex stands for two-sided; the panel's own PPD keys
                    // are the panel's to send.
                    GtkCase{"PrinterOptions",
                            {{"duplex", "simplex"},
                             {"cups-Duplex", "DuplexNoTumble"},
                             {"cups-job-priority", "80"},
                             {"cups-job-hold-until", "23:30:00"},
                             {"cups-job-billing", "acct-42"},
                             {"cups-KZDocFiling", "None"},
                             {"cups-KZJobName", "Default"},
                             {"cups-StapleLocation", "TopLeft"}},
                            {{"Duplex", "DuplexNoTumble"},
                             {"StapleLocation", "TopLeft"},
                             {"job-billing", "acct-42"},
                             {"job-hold-until", "23:30:00"},
                             {"job-priority", "80"}}},
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
