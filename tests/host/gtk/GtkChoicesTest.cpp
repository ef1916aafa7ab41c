// GTK's print dialog printing to the test's own CUPS: what the person
// chose in GTK's own tabs reaches the job beside the panel's keys, and what
// fails after Print is shown in GTK and ends the program with the status
// that the other front ends give.
#include <gtest/gtest.h>

#include "tests/support/PpdFixture.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PrivateCups.h"
#include "tests/support/XvfbDisplay.h"

namespace {

namespace fs = std::filesystem;

class GtkChoices : public testing::Test {
protected:
    void SetUp() override {
        cups_.addQueue("Office_MFP", "", writeFinishingPPD(directory_));
        cups_.addQueueWithoutPpd("Raw");
    }

    ProgramResult printDialog(std::vector<std::string> options, const std::string& script) {
        options.insert(options.begin(), "--gui");
        return runPrintDialog(options, script, {{"CUPS_SERVER", cups_.server()}, {"DISPLAY", privateDisplay()}});
    }

    PrivateCups cups_;
    TempDir directory_;
    const fs::path document_ = directory_.write("report.ps", "%!PS\nshowpage\n");
};

TEST_F(GtkChoices, TheChoicesInGtksTabsReachTheJobBesideThePanelsKeys) {
    const ProgramResult result =
        printDialog({"-d", "Office_MFP", "--print", document_.string()},
                    "gtk n-copies 2\ngtk collate false\ngtk reverse true\ngtk print-pages ranges\ngtk page-ranges 0-1\n"
                    "gtk cups-Duplex DuplexNoTumble\ngtk cups-number-up 2\ngtk cups-job-billing acct-42\n"
                    "gtk cups-StapleLocation TopLeft\ngtk cups-KZDocFiling Both\npage iso_a5 landscape\nprint\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const CapturedJob job = cups_.waitForCapture("Office_MFP");
    EXPECT_EQ(job.copies, "2");
    const std::map<std::string, std::string> arrived = {
        {"Collate", "false"},          {"OutputOrder", "Reverse"}, {"page-ranges", "1-2"},
        {"Duplex", "DuplexNoTumble"},  {"number-up", "2"},         {"job-billing", "acct-42"},
        {"StapleLocation", "TopLeft"}, {"PageSize", "A5"},         {"orientation-requested", "4"}};
    for (const auto& [key, value] : arrived) {
        const auto found = job.options.find(key);
        ASSERT_NE(found, job.options.end()) << key;
        EXPECT_EQ(found->second, value) << key;
    }
    // The panel claims this PPD key: GTK's duplicate of it is not sent.
    EXPECT_FALSE(job.options.contains("KZDocFiling") && job.options.at("KZDocFiling") == "Both");
}

TEST_F(GtkChoices, LpOptionsCarryGtksChoicesBeforeThePanelsKeys) {
    const ProgramResult result = printDialog({"-d", "Office_MFP", "--lp-options"}, "gtk n-copies 2\nprint\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const size_t copies = result.out.find("-o copies=2 ");
    EXPECT_NE(copies, std::string::npos) << result.out;
    EXPECT_LT(copies, result.out.find("-o nelvo.print.")) << result.out;
}

struct FailureCase {
    const char* name;
    std::string script;
    int exitStatus;
    std::string shown;  // in the transcript, as GTK showed it; empty when nothing is shown
    std::string error;
};

class GtkFailures : public GtkChoices, public testing::WithParamInterface<FailureCase> {};

TEST_P(GtkFailures, EndWithTheSameStatusAsElsewhereAndNoJob) {
    const bool password = GetParam().name == std::string("PasswordWanted");
    if (password) cups_.requirePasswordToPrint();
    const ProgramResult result = printDialog({"-d", "Office_MFP", "--print", document_.string()}, GetParam().script);
    // Asked in GTK's own dialog (answered by nobody under a script).
    if (password) {
        EXPECT_NE(result.out.find("password asked: "), std::string::npos) << result.out;
    }
    EXPECT_EQ(result.exitStatus, GetParam().exitStatus) << result.err;
    EXPECT_NE(result.out.find(GetParam().shown), std::string::npos) << result.out;
    EXPECT_NE(result.err.find(GetParam().error), std::string::npos) << result.err;
    EXPECT_EQ(cups_.unfinishedJobCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GtkFailures,
    testing::Values(FailureCase{"PasswordWanted", "print\n", 3, "failure shown: the queue Office_MFP refused the job",
                                "wants a password and none was given"},
                    FailureCase{"QueueWithoutPpdPicked", "printer Raw\nprint\n", 2,
                                "failure shown: \"Raw\" is not a CUPS queue with a PPD",
                                "\"Raw\" is not a CUPS queue with a PPD"},
                    // Not given another queue's job either.
                    FailureCase{"PrinterWithoutAPanel", "printer Print to File\nclick retentionCheckBox\nprint\n", 2,
                                "", "\"Print to File\" is not a CUPS queue"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
