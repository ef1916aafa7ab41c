// The terminal dialog printing to a CUPS queue: F10 submits the job and
// leaves one line saying what went where; Escape submits nothing.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/PrivateCups.h"
#include "tests/support/PtyDialog.h"

namespace {

class TerminalPrint : public testing::Test {
protected:
    void SetUp() override {
        cups.addQueue("Office_MFP");
        cups.administer({"/usr/sbin/lpadmin", "-d", "Office_MFP"});
    }

    PtyDialog::Setup setup() const { return {{"--print", document.string()}, cups.environment()}; }

    PrivateCups cups;
    TempDir dir;
    const std::filesystem::path document = dir.write("minutes.ps", "%!PS\nshowpage\n");
};

TEST_F(TerminalPrint, F10SubmitsTheHeldJobAndSaysSo) {
    PtyDialog dialog(setup());
    dialog.waitForText("[ ] Job Retention");
    dialog.switchRetentionOn();
    dialog.pressUntil(
        keys::tab, [](const ScreenFrame& s) { return s.cursorOn(s.rowOf("Pass Code:")); },
        "the cursor in the pass-code field");
    dialog.send("123");
    dialog.waitForText("Pass Code:          \u2022\u2022\u2022_");  // masked
    dialog.send(keys::f10);
    ASSERT_EQ(dialog.waitForExit(), 0) << dialog.output();

    EXPECT_NE(
        dialog.output().find("request id is Office_MFP-1 (1 file(s)); held at the device: hold only, pass code set"),
        std::string::npos)
        << dialog.output();
    const CapturedJob job = cups.waitForCapture("Office_MFP");
    EXPECT_EQ(job.title, "minutes.ps");
    EXPECT_EQ(job.options.at("nelvo.print.PrintSettings.jobSuspend"), "2");
}

TEST_F(TerminalPrint, EscapeSubmitsNothing) {
    PtyDialog dialog(setup());
    dialog.waitForText("[ ] Job Retention");
    EXPECT_EQ(dialog.cancel(), 1);
    EXPECT_EQ(dialog.output().find("request id"), std::string::npos);
    EXPECT_EQ(cups.jobCount(), 0u);
}

// The user's lpoptions instance, as lp would print with it.
TEST_F(TerminalPrint, AnInstanceOfTheUsersLpoptionsReachesTheJob) {
    const std::filesystem::path lpoptions = std::filesystem::path(std::getenv("HOME")) / ".cups" / "lpoptions";
    std::filesystem::create_directories(lpoptions.parent_path());
    std::ofstream(lpoptions) << "Dest Office_MFP/duplex copies=2 sides=two-sided-long-edge\n";
    PtyDialog dialog({{"-d", "Office_MFP/duplex", "--print", document.string()}, cups.environment()});
    dialog.waitForText("[ ] Job Retention");
    dialog.send(keys::f10);
    const int status = dialog.waitForExit();
    std::filesystem::remove(lpoptions);
    ASSERT_EQ(status, 0) << dialog.output();
    const CapturedJob job = cups.waitForCapture("Office_MFP");
    EXPECT_EQ(job.copies, "2");
    EXPECT_EQ(job.options.at("sides"), "two-sided-long-edge");
}

}  // namespace
