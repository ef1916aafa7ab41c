// The same prints from each front end, scripted, terminal and GTK, to the
// test's own CUPS: the typical print reaches the queue's filter with every
// key the panel wrote and the keys the scripted dialog gives for the same
// operations; the user's lpoptions instance reaches the job; a cancelled
// dialog submits nothing.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>

#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PrivateCups.h"
#include "tests/support/PtyDialog.h"
#include "tests/support/XvfbDisplay.h"

namespace {

namespace fs = std::filesystem;
using Keys = std::map<std::string, std::string>;

constexpr const char* kKeyPrefix = "nelvo.print.PrintSettings.";

enum class FrontEnd { scripted, terminal, graphical };

// From the terminal's keyboard: retention on, pass code 123, locked; the
// screen is read at each step.
void typicalPrintKeys(PtyDialog& dialog) {
    dialog.switchRetentionOn();
    const auto inPassCodeField = [](const ScreenFrame& s) {
        const int row = s.rowOf("Pass Code:");
        return s.cursorOn(row) && s.cursorColumn == s.columnOf(row, "___");
    };
    ScreenFrame screen = dialog.pressUntil(keys::tab, inPassCodeField, "the cursor in the pass-code field");
    EXPECT_TRUE(screen.contains("\U0001F513")) << "the pass code's lock is open\n" << screen.picture();
    dialog.send("123");
    screen = dialog.waitForText("Pass Code:          \u2022\u2022\u2022___");  // masked
    const int passRow = screen.rowOf("Pass Code:");
    dialog.press(keys::tab);
    screen = dialog.press(keys::space);
    EXPECT_NE(screen.text[static_cast<size_t>(passRow)].find("[\U0001F512]"), std::string::npos) << screen.picture();
    EXPECT_NE(screen.styleAt(passRow, screen.columnOf(passRow, "\u2022\u2022\u2022")) & 1, 0) << "and dims the field";
}

struct PrintCase {
    const char* name;
    std::string lpoptions;    // the user's file; none when empty
    std::string destination;  // none: the user's default
    std::string script;       // the panel's operations, scripted or in GTK
    void (*keys)(PtyDialog&);
    bool printed;                      // false: the dialog is cancelled
    Keys arrived;                      // among the job's options
    std::vector<std::string> carried;  // keys the job holds, whatever their value
    std::string held;                  // what the terminal says of the held job
};

const PrintCase kCases[] = {
    {"TypicalPrint",
     "",
     "Office_MFP",
     "click retentionCheckBox\nselect suspendMatrix 0\ntype suspendKeyEditText 123\nclick suspendKeyButton\n",
     typicalPrintKeys,
     true,
     {{std::string(kKeyPrefix) + "jobSuspend", "2"}, {std::string(kKeyPrefix) + "filing", "0"}},
     {"spoolTime", "jobSuspendKey", "jobSuspend2Key", "jobName"},
     "held at the device: hold only, pass code set"},
    // The user's default instance, with none of the queue's own defaults.
    {"LpoptionsInstance",
     "Dest Office_MFP copies=3\nDefault Office_MFP/duplex sides=two-sided-long-edge\n",
     "",
     "",
     nullptr,
     true,
     {{"sides", "two-sided-long-edge"}},
     {},
     "not held"},
    // An instance named on the command line, likewise.
    {"NamedInstance",
     "Dest Office_MFP copies=3\nDest Office_MFP/duplex sides=two-sided-short-edge\n",
     "Office_MFP/duplex",
     "",
     nullptr,
     true,
     {{"sides", "two-sided-short-edge"}},
     {},
     "not held"},
    {"Cancelled", "", "Office_MFP", "", nullptr, false, {}, {}, ""},
};

Keys panelKeys(const Keys& values) {
    Keys keys;
    for (const auto& [key, value] : values)
        if (key.starts_with(kKeyPrefix)) keys.emplace(key, value);
    return keys;
}

// Without the values made from the save's spool time, which two runs differ in.
Keys timeless(Keys keys) {
    for (const char* key : {"spoolTime", "jobSuspendKey", "folderPassword"})
        keys.erase(std::string(kKeyPrefix) + key);
    return keys;
}

Keys settingsFile(const fs::path& path) {
    return nlohmann::json::parse(readFile(path)).get<Keys>();
}

class FrontEndPrint : public testing::TestWithParam<std::tuple<FrontEnd, PrintCase>> {
protected:
    void SetUp() override {
        cups_.addQueue("Office_MFP");
        lpoptions_.emplace(printCase().lpoptions);
    }

    const PrintCase& printCase() const { return std::get<PrintCase>(GetParam()); }
    std::vector<std::string> withDestination(std::vector<std::string> options) const {
        if (!printCase().destination.empty()) options.insert(options.begin(), {"-d", printCase().destination});
        return options;
    }

    // Prints the case from the front end; its exit status and what it wrote.
    ProgramResult print(const fs::path& settings) {
        const PrintCase& c = printCase();
        const std::vector<std::string> options =
            withDestination({"--print", document_.string(), "--settings", settings.string()});
        const std::string ending = c.printed ? "print\n" : "cancel\n";
        switch (std::get<FrontEnd>(GetParam())) {
            case FrontEnd::scripted:
                return runPrintDialog(options, "open\nview\nrestore\nshow\n" + c.script + (c.printed ? ending : ""),
                                      cups_.environment());
            case FrontEnd::graphical: {
                std::vector<std::string> graphical = options;
                graphical.insert(graphical.begin(), "--gui");
                Keys environment = cups_.environment();
                environment["DISPLAY"] = privateDisplay();
                return runPrintDialog(graphical, c.script + ending, environment);
            }
            case FrontEnd::terminal: {
                PtyDialog dialog({options, cups_.environment()});
                dialog.waitForText("[ ] Job Retention");
                if (c.keys) c.keys(dialog);
                dialog.send(c.printed ? keys::f10 : keys::escape);
                const int status = dialog.waitForExit();
                return {status, dialog.output(), {}};
            }
        }
        return {};
    }

    PrivateCups cups_;
    std::optional<UserLpoptions> lpoptions_;
    TempDir directory_;
    const fs::path document_ = directory_.write("report.ps", "%!PS\nshowpage\n");
};

TEST_P(FrontEndPrint, ReachesTheQueueAsTheScriptedDialogWritesIt) {
    const PrintCase& c = printCase();
    const fs::path settings = directory_.path() / "job.json";
    const ProgramResult result = print(settings);
    if (!c.printed) {
        EXPECT_EQ(result.exitStatus, 1) << result.err;
        EXPECT_EQ(result.out.find("request id"), std::string::npos) << result.out;
        EXPECT_EQ(cups_.jobCount(), 0u);
        return;
    }
    ASSERT_EQ(result.exitStatus, 0) << result.out << result.err;
    std::string said = "request id is Office_MFP-1 (1 file(s))";
    if (std::get<FrontEnd>(GetParam()) == FrontEnd::terminal) said += "; " + c.held;
    EXPECT_NE(result.out.find(said), std::string::npos) << result.out;

    const CapturedJob job = cups_.waitForCapture("Office_MFP");
    EXPECT_EQ(job.title, "report.ps");
    EXPECT_EQ(job.copies, "1") << "not the queue's own copies=3";
    for (const auto& [key, value] : c.arrived) {
        const auto found = job.options.find(key);
        ASSERT_NE(found, job.options.end()) << key;
        EXPECT_EQ(found->second, value) << key;
    }
    // Every key the panel wrote, exactly, and nothing of the panel's besides.
    const Keys written = settingsFile(settings);
    EXPECT_EQ(panelKeys(job.options), written);
    for (const std::string& key : c.carried)
        EXPECT_TRUE(written.contains(kKeyPrefix + key)) << key;

    // The same operations through a script, elsewhere: what it remembers
    // would come back locked in the next dialog.
    const fs::path scriptedJob = directory_.path() / "scripted.json";
    Keys environment = cups_.environment();
    environment["XDG_CONFIG_HOME"] = (directory_.path() / "scripted").string();
    const ProgramResult scripted =
        runPrintDialog(withDestination({"--job-name", "report.ps", "--settings", scriptedJob.string()}),
                       "open\nview\nrestore\nshow\n" + c.script + "print\n", environment);
    ASSERT_EQ(scripted.exitStatus, 0) << scripted.err;
    EXPECT_EQ(timeless(written), timeless(settingsFile(scriptedJob)));
}

std::string caseName(const testing::TestParamInfo<std::tuple<FrontEnd, PrintCase>>& info) {
    constexpr const char* kFrontEnds[] = {"Scripted", "Terminal", "Graphical"};
    return std::string(kFrontEnds[static_cast<int>(std::get<FrontEnd>(info.param))]) +
           std::get<PrintCase>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FrontEndPrint,
                         testing::Combine(testing::Values(FrontEnd::scripted, FrontEnd::terminal, FrontEnd::graphical),
                                          testing::ValuesIn(kCases)),
                         caseName);

}  // namespace
