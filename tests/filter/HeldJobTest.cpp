// The whole print path: lp to a private CUPS whose queue has the sample PPD
// (the job filter) and CUPS's socket backend, to the device simulator's
// print port. What the device does with each job is decided by the ticket
// alone, so each case is the panel's keys, the device's folders and users,
// and what becomes of the job.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "tests/support/PrivateCups.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"
#include "tools/DeviceSimulator.h"
#include "tools/JobStore.h"
#include "tools/PrintPort.h"

namespace {

namespace fs = std::filesystem;

const std::string kSpoolTime = "spoolTime=5361742C20352044656320323032362030353A31313A3039202B30393030\n";
// Pass code 123, hold only / hold after print / sample print.
const std::string kHeldWith123 = "jobSuspendKey=8c2075f346f0ece021fe63707ce74204\n" + kSpoolTime;
// Folder pass code 4321, filed into the custom folder "Projects".
const std::string kFiledInProjects =
    "jobSuspend=1\nfiling=3\nfolderPath=50726F6A65637473\nfolderPassword=c944f0210a005881ed897e49d5692a70\n" +
    kSpoolTime;
const std::string kJsmith =
    "Authentication=1\nloginName01=s8jpc5z/mNXR3b/NGbuYnA==\npassword=VHaH8VDPF/w23O8ivKfZdw==\n" + kSpoolTime;
const std::string kUserNumber12345 = "Authentication=0\nuserNumber=12345\naccountNumber=00009\n";

// The document's bytes, every byte value among them.
std::string document() {
    std::string bytes = "%!PS-Adobe-3.0\n%";
    for (int value = 0; value < 256; ++value)
        bytes.push_back(static_cast<char>(value));
    return bytes + "\nshowpage\n";
}

std::vector<std::string> lpOptions(const std::string& keys) {
    std::vector<std::string> words;
    std::istringstream lines(keys);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) words.insert(words.end(), {"-o", "nelvo.print.PrintSettings." + line});
    return words;
}

struct Release {
    std::string passCode;
    JobAction expected;
};

struct DeviceCase {
    const char* name;
    std::string keys;
    JobPolicy policy;
    std::string retention;
    std::string arrival;                 // the job's state, and why when it was refused
    std::vector<Release> releases = {};  // when any, the last prints the job
};

void PrintTo(const DeviceCase& scenario, std::ostream* out) {
    *out << scenario.name;
}

class HeldAtTheDevice : public testing::TestWithParam<DeviceCase> {
protected:
    void start(JobPolicy policy) {
        policy.outputDirectory = output.path();
        store.emplace(policy);
        port.emplace(*store, "127.0.0.1", 0);
        // No SNMP: the simulator answers none, and the backend would wait for it.
        cups.addQueue("Office_MFP", "socket://127.0.0.1:" + std::to_string(port->port()) + "/?snmp=false",
                      NELVO_SOURCE_DIR "/examples/NelvoZlm420k.ppd", QueueFilter::jobFilter);
    }
    void print(const std::string& keys) {
        std::vector<std::string> command = {"/usr/bin/lp", "-d", "Office_MFP", "-t", "report.ps"};
        const std::vector<std::string> options = lpOptions(keys);
        command.insert(command.end(), options.begin(), options.end());
        command.push_back(file.string());
        const ProgramResult result = runProgram(command, {}, cups.environment());
        ASSERT_EQ(result.exitStatus, 0) << result.err;
    }
    JobListing waitForJob(size_t count) {
        const bool arrived = store->waitForJobs(count, std::chrono::steady_clock::now() + std::chrono::seconds(60));
        if (!arrived) ADD_FAILURE() << readFile(cups.directory() / "server" / "log" / "error_log");
        return arrived ? store->jobs()[count - 1] : JobListing{};
    }
    std::string printed(int id) const { return readFile(output.path() / ("job-" + std::to_string(id) + ".ps")); }

    PrivateCups cups;
    TempDir output{"device-output"};
    TempDir dir;
    const fs::path file = dir.write("report.ps", document());
    std::optional<JobStore> store;
    std::optional<PrintPort> port;
};

TEST_P(HeldAtTheDevice, AsItsTicketSays) {
    const DeviceCase& scenario = GetParam();
    start(scenario.policy);
    print(scenario.keys);
    const JobListing job = waitForJob(1);
    EXPECT_EQ(job.name, "report.ps");
    EXPECT_EQ(job.retention, scenario.retention);
    EXPECT_EQ(job.reason.empty() ? job.state : job.state + ": " + job.reason, scenario.arrival);
    const bool printedOnArrival = job.state == "printed" || job.state == "kept" || scenario.retention == "sample-print";
    EXPECT_EQ(printed(job.id), printedOnArrival ? document() : "");
    for (const Release& release : scenario.releases)
        EXPECT_EQ(store->release(job.id, release.passCode), release.expected) << release.passCode;
    if (!scenario.releases.empty()) {
        EXPECT_EQ(store->jobs()[0].state, "printed");
        EXPECT_EQ(printed(job.id), document());
    }
}

JobPolicy withFolder(const std::string& code) {
    return JobPolicy{{{"Projects", code}}, {}, {}, {}};
}
JobPolicy withUsers(std::vector<DeviceUser> users, std::vector<std::string> numbers = {}) {
    return JobPolicy{{}, std::move(users), std::move(numbers), {}};
}

INSTANTIATE_TEST_SUITE_P(
    PrintPath, HeldAtTheDevice,
    testing::Values(
        DeviceCase{"HoldOnlyReleasedByItsPassCodeAlone",
                   "jobSuspend=2\n" + kHeldWith123,
                   {},
                   "hold-only",
                   "held",
                   {{"999", JobAction::wrongPassCode}, {"123", JobAction::done}}},
        DeviceCase{"HoldAfterPrintPrintsAndKeeps", "jobSuspend=1\n" + kHeldWith123, {}, "hold-after-print", "kept"},
        DeviceCase{"SamplePrintPrintsOneAndHoldsTheRest",
                   "jobSuspend=3\n" + kHeldWith123,
                   {},
                   "sample-print",
                   "held",
                   {{"123", JobAction::done}}},
        DeviceCase{"FiledWithTheFolderPassCode", kFiledInProjects, withFolder("4321"), "hold-after-print", "kept"},
        DeviceCase{"FiledWithAWrongFolderPassCode", kFiledInProjects, withFolder("1234"), "hold-after-print",
                   "refused: wrong folder pass code"},
        DeviceCase{"LoginNameAndPasswordOfAUser", kJsmith, withUsers({{"jsmith", "s3cret!"}}), "none", "printed"},
        DeviceCase{"LoginNameWithAnotherPassword", kJsmith, withUsers({{"jsmith", "other"}}), "none",
                   "refused: authentication failed"},
        DeviceCase{"UserNumberOfAUser", kUserNumber12345, withUsers({}, {"12345"}), "none", "printed"},
        DeviceCase{"UserNumberOfNoUser", kUserNumber12345, withUsers({}, {"54321"}), "none",
                   "refused: authentication failed"},
        DeviceCase{"PlainLpPrintsAtOnce", "", {}, "none", "printed"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeldAtTheDevice, TwentyJobsAtOnceAllArrive) {
    start({});
    std::vector<std::thread> printers;
    for (int job = 0; job < 20; ++job)
        printers.emplace_back([this] { print(""); });
    for (std::thread& printer : printers)
        printer.join();
    waitForJob(20);
    for (const JobListing& job : store->jobs()) {
        EXPECT_EQ(job.state, "printed");
        EXPECT_EQ(printed(job.id), document());
    }
}

}  // namespace
