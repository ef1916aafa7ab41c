// The job that print-dialog submits after a scripted print, as the queue's
// filter receives it, and the prints that must end cleanly: every key the
// panel wrote arrives exactly, all documents in one job, documents from a FIFO or standard input read
// once, a signal during the submission, and the prints that submit nothing
// (an unknown, closed or PPD-less queue, an unreadable document, a server
// that is gone or wants a password, a request too large for the server).
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "tests/support/ChildEnvironment.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PrivateCups.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kPanelJobName = "nelvo.print.PrintSettings.jobName";

class ChoicesAndStreams : public testing::Test {
protected:
    void SetUp() override {
        cups.addQueue("Office_MFP");
        cups.administer({"/usr/sbin/lpadmin", "-d", "Office_MFP"});
    }

    PrivateCups cups;
    TempDir dir;
    const fs::path document = dir.write("report.ps", "%!PS\nshowpage\n");
    const fs::path script = dir.write("print.txt", "open\nprint\n");
};

struct RefusalCase {
    const char* name;
    std::string options;  // words; "{doc}" is the document
    int exitStatus;
    std::string error;  // "{server}" is the private server's address
    std::string script = "open\nprint\n";
    std::string server = "";  // in place of the private one
    bool passwordWanted = false;
};

class RefusedCleanly : public ChoicesAndStreams, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedCleanly, WithOneMessageAndNoJobLeft) {
    cups.addQueueWithoutPpd("Raw");
    cups.addQueue("Closed");
    cups.administer({"/usr/sbin/cupsreject", "Closed"});
    const std::vector<std::string> options = commandWords(GetParam().options, "{doc}", document.string());
    std::map<std::string, std::string> environment = cups.environment();
    if (!GetParam().server.empty()) environment["CUPS_SERVER"] = GetParam().server;
    if (GetParam().passwordWanted) cups.requirePasswordToPrint();
    std::string error = GetParam().error;
    if (const size_t at = error.find("{server}"); at != std::string::npos) error.replace(at, 8, cups.server());

    const ProgramResult result = runPrintDialog(options, GetParam().script, environment);
    EXPECT_EQ(result.exitStatus, GetParam().exitStatus) << result.err;
    EXPECT_NE(result.err.find(error), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("No such file"), std::string::npos) << result.err;
    EXPECT_EQ(cups.jobCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedCleanly,
    testing::Values(
        RefusalCase{"UnknownQueue", "-d Nowhere --print {doc}", 2,
                    "print-dialog: cannot print to Nowhere: CUPS has no such queue"},
        RefusalCase{"UnreadableDocument", "--print {doc} --print=/nonexistent/minutes.pdf", 2,
                    "print-dialog: cannot read the document /nonexistent/minutes.pdf\n"},
        RefusalCase{"RejectingQueue", "--printer=Closed --print {doc}", 3,
                    "print-dialog: the queue Closed refused the job: Destination \"Closed\" is not accepting jobs."},
        RefusalCase{"ServerGone", "-d Office_MFP --print {doc}", 3,
                    "print-dialog: cannot print: the CUPS server 127.0.0.1:1 could not be reached\n", "open\nprint\n",
                    "127.0.0.1:1"},
        RefusalCase{"QueueWithoutPpd", "-d Raw --print {doc}", 2, "\"Raw\" is not a CUPS queue with a PPD"},
        RefusalCase{"HugeOption", "--print {doc}", 3,
                    "the queue Office_MFP cannot take the job: an option's value is longer than the 32767 bytes",
                    "open\nset nelvo.big " + std::string(70000, 'x') + "\nprint\n"},
        RefusalCase{"StandardInputTwice", "--print -", 2, "standard input cannot be both"},
        // A script cannot answer the server's password question.
        RefusalCase{"PasswordWanted", "--print {doc}", 3, "the CUPS server {server} wants a password", "open\nprint\n",
                    "", true}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

// Whatever the panel wrote, hex, padded digits, Base64 with "+/=" or a
// login name long enough for two pieces of 254 characters, the filter gets
// it as is, also where the user's lpoptions give the same key; all
// documents make one job. (The typical print from each front end:
// FrontEndPrintTest.cpp.)
TEST_F(ChoicesAndStreams, EveryKeyArrivesInTheFiltersOptionsExactly) {
    const UserLpoptions lpoptions(std::string("Dest Office_MFP ") + kPanelJobName + "=4F6C64\n");
    const fs::path second = dir.write("appendix.pdf", "%PDF-1.4\n%%EOF\n");
    const fs::path settings = dir.path() / "job.json";
    const ProgramResult result =
        runPrintDialog({"--job-name", "Board pack", "--print", document.string(), "--print", second.string(),
                        "--settings", settings.string()},
                       "open\nview\nrestore\nshow\ntype loginNameEditText " + std::string(180, 'k') +
                           " with spaces & \"quotes\"\ntype passwordEditText secret\ntype accountNumberEditText 7\n"
                           "erase jobNameEditText\ntype jobNameEditText Board pack, final\nprint\n",
                       cups.environment());
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out.substr(result.out.rfind("request id")), "request id is Office_MFP-1 (2 file(s))\n");

    const CapturedJob job = cups.waitForCapture("Office_MFP");
    EXPECT_EQ(job.title, "Board pack");
    EXPECT_EQ(cups.jobCount(), 1u);
    const nlohmann::json written = nlohmann::json::parse(readFile(settings));
    for (const char* key : {"loginName11", "loginName12", "loginName01", "accountNumber", "password", "jobName"})
        EXPECT_TRUE(written.contains(std::string("nelvo.print.PrintSettings.") + key)) << key;
    for (const auto& [key, value] : written.items()) {
        const auto arrived = job.options.find(key);
        ASSERT_NE(arrived, job.options.end()) << key;
        EXPECT_EQ(arrived->second, value.get<std::string>()) << key;
    }
}

// A document that opens but cannot be read once the job exists on the
// server: the job is cancelled, not left pending half-made.
TEST_F(ChoicesAndStreams, AJobThatFailsHalfWayIsCancelled) {
    const ProgramResult result = runPrintDialog({"--print", document.string(), "--print", "/proc/self/mem"},
                                                "open\nprint\n", cups.environment());
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_NE(result.err.find("print-dialog: cannot read the document /proc/self/mem"), std::string::npos)
        << result.err;
    EXPECT_EQ(cups.jobCount(), 1u);
    EXPECT_EQ(cups.unfinishedJobCount(), 0u);
}

TEST_F(ChoicesAndStreams, StandardInputAndAFifoAreReadWholeOnce) {
    const std::string text = "%!PS\n" + std::string(200000, '%') + "\nshowpage\n";
    const ProgramResult fromStdin =
        runProgram({NELVO_BUILD_DIR "/print-dialog", "--print", "-", script.string()}, text, cups.environment());
    ASSERT_EQ(fromStdin.exitStatus, 0) << fromStdin.err;
    EXPECT_EQ(cups.waitForCapture("Office_MFP").title, "(stdin)");

    const fs::path fifo = dir.path() / "pipe.ps";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ssize_t written = -1;
    std::thread writer([&] {
        const int out = open(fifo.c_str(), O_WRONLY);
        written = write(out, text.data(), text.size());
        close(out);
    });
    const ProgramResult fromFifo = runProgram(
        {NELVO_BUILD_DIR "/print-dialog", "--print", fifo.string(), script.string()}, "", cups.environment());
    writer.join();
    ASSERT_EQ(fromFifo.exitStatus, 0) << fromFifo.err;
    EXPECT_EQ(written, static_cast<ssize_t>(text.size()));
    EXPECT_NE(fromFifo.out.find("request id is Office_MFP-2 (1 file(s))"), std::string::npos) << fromFifo.out;
    EXPECT_TRUE(waitUntil([&] { return cups.unfinishedJobCount() == 0; }));
}

// Started with the server there, the dialog finds it gone when it sends
// the job: the same status and words as a server gone at the start. The
// script comes through a FIFO, so that the server goes while it runs.
TEST_F(ChoicesAndStreams, AServerGoneDuringTheDialogIsStatusThree) {
    const fs::path lines = dir.path() / "script.fifo";
    ASSERT_EQ(mkfifo(lines.c_str(), 0600), 0);
    ProgramResult result;
    std::thread dialog([&] {
        result = runProgram({NELVO_BUILD_DIR "/print-dialog", "--print", document.string(), lines.string()}, "",
                            cups.environment());
    });
    // Open once the dialog, its queue found, reads the script.
    const int out = open(lines.c_str(), O_WRONLY);
    cups.stop();
    const std::string script = "open\nprint\n";
    [[maybe_unused]] const ssize_t written = write(out, script.data(), script.size());
    close(out);
    dialog.join();
    EXPECT_EQ(result.exitStatus, 3) << result.err;
    EXPECT_NE(result.err.find("the CUPS server " + cups.server() + " could not be reached"), std::string::npos)
        << result.err;
}

// The writer sends a part and stalls: the job exists on the server when
// SIGTERM comes, and is cancelled before the program ends.
TEST_F(ChoicesAndStreams, SigtermDuringASlowSubmissionLeavesNoJob) {
    const fs::path fifo = dir.path() / "slow.ps";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::string> argv = {NELVO_BUILD_DIR "/print-dialog", "--print", fifo.string(), script.string()};
    std::vector<std::string> environment = environmentWith(cups.environment());
    std::vector<char*> arguments = pointersTo(argv);
    std::vector<char*> variables = pointersTo(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    ASSERT_EQ(posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), variables.data()), 0);
    posix_spawn_file_actions_destroy(&actions);

    const int out = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(out, 0);
    ASSERT_GT(write(out, "%!PS\n", 5), 0);
    EXPECT_TRUE(waitUntil([&] { return cups.unfinishedJobCount() == 1; })) << "the job was never made";
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    close(out);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(cups.jobCount(), 1u);
    EXPECT_EQ(cups.unfinishedJobCount(), 0u);
}

}  // namespace
