// The job that print-dialog submits after a scripted print, as the queue's
// filter receives it; and the prints that must submit nothing.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PrivateCups.h"

namespace {

namespace fs = std::filesystem;

class PrintThroughCups : public testing::Test {
protected:
    void SetUp() override {
        cups.addQueue("Office_MFP");
        cups.administer({"/usr/sbin/lpadmin", "-d", "Office_MFP"});
    }

    ProgramResult print(std::vector<std::string> options, const std::string& script) {
        return runPrintDialog(options, script, cups.environment());
    }

    PrivateCups cups;
    TempDir dir;
    const fs::path document = dir.write("Quarterly report.ps", "%!PS\nshowpage\n");
};

// Whatever the panel wrote, hex, padded digits, Base64 with "+/=" or a
// login name long enough for two pieces of 254 characters, the filter gets
// it as is. (The typical print from each front end: FrontEndPrintTest.cpp.)
TEST_F(PrintThroughCups, EveryKeyArrivesInTheFiltersOptionsExactly) {
    const fs::path settings = dir.path() / "job.json";
    const ProgramResult result = print({"--print", document.string(), "--settings", settings.string()},
                                       "open\nview\nrestore\nshow\ntype loginNameEditText " + std::string(180, 'k') +
                                           " with spaces & \"quotes\"\ntype passwordEditText secret\n"
                                           "type accountNumberEditText 7\nerase jobNameEditText\n"
                                           "type jobNameEditText Board pack, final\nprint\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out.substr(result.out.rfind("request id")), "request id is Office_MFP-1 (1 file(s))\n");

    const CapturedJob job = cups.waitForCapture("Office_MFP");
    EXPECT_EQ(job.title, "Quarterly report.ps");
    const nlohmann::json written = nlohmann::json::parse(readFile(settings));
    for (const char* key : {"loginName11", "loginName12", "loginName01", "accountNumber", "password"})
        EXPECT_TRUE(written.contains(std::string("nelvo.print.PrintSettings.") + key)) << key;
    for (const auto& [key, value] : written.items()) {
        const auto arrived = job.options.find(key);
        ASSERT_NE(arrived, job.options.end()) << key;
        EXPECT_EQ(arrived->second, value.get<std::string>()) << key;
    }
}

struct NothingLeaves {
    const char* name;
    std::vector<std::string> options;  // "{doc}" stands for the readable document
    std::string script;
    int exitStatus;
    std::string error;  // a part of standard error
};

class NothingSubmitted : public PrintThroughCups, public testing::WithParamInterface<NothingLeaves> {};

TEST_P(NothingSubmitted, WhenTheUserDidNotPrintOrThePrintCannotLeave) {
    cups.addQueue("Closed");
    cups.administer({"/usr/sbin/cupsreject", "Closed"});
    std::vector<std::string> options;
    for (const std::string& option : GetParam().options)
        options.push_back(option == "{doc}" ? document.string() : option);

    const ProgramResult result = print(options, GetParam().script);
    EXPECT_EQ(result.exitStatus, GetParam().exitStatus) << result.err;
    EXPECT_NE(result.err.find(GetParam().error), std::string::npos) << result.err;
    EXPECT_EQ(result.out.find("request id"), std::string::npos) << result.out;
    EXPECT_EQ(cups.jobCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NothingSubmitted,
    testing::Values(
        NothingLeaves{"UnknownQueue",
                      {"-d", "Nowhere", "--print", "{doc}"},
                      "open\nprint\n",
                      2,
                      "print-dialog: cannot print to Nowhere: CUPS has no such queue"},
        NothingLeaves{"UnreadableDocument",
                      {"--print", "{doc}", "--print=/nonexistent/minutes.pdf"},
                      "open\nprint\n",
                      2,
                      "print-dialog: cannot read the document /nonexistent/minutes.pdf\n"},
        NothingLeaves{"RejectingQueue",
                      {"--printer=Closed", "--print", "{doc}"},
                      "open\nprint\n",
                      3,
                      "print-dialog: the queue Closed refused the job: Destination \"Closed\" is not accepting jobs."}),
    [](const testing::TestParamInfo<NothingLeaves>& info) { return std::string(info.param.name); });

// A document that opens but cannot be read once the job exists on the
// server: the job is cancelled, not left pending half-made.
TEST_F(PrintThroughCups, JobThatFailsHalfWayIsCancelled) {
    const ProgramResult result = print({"--print", document.string(), "--print", "/proc/self/mem"}, "open\nprint\n");
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_NE(result.err.find("print-dialog: cannot read the document /proc/self/mem"), std::string::npos)
        << result.err;
    EXPECT_EQ(cups.jobCount(), 1u);
    EXPECT_EQ(cups.unfinishedJobCount(), 0u);
}

TEST_F(PrintThroughCups, AllDocumentsMakeOneJob) {
    const fs::path second = dir.write("appendix.pdf", "%PDF-1.4\n%%EOF\n");
    const ProgramResult result =
        print({"--job-name", "Board pack", "--print", document.string(), "--print", second.string()}, "open\nprint\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out.substr(result.out.rfind("request id")), "request id is Office_MFP-1 (2 file(s))\n");
    EXPECT_EQ(cups.waitForCapture("Office_MFP").title, "Board pack");
    EXPECT_EQ(cups.jobCount(), 1u);
}

}  // namespace
