// Remembered values across dialogs: what one print remembers, the next
// dialog for the queue shows locked, once; and an unwritable store never
// stops a print. (A torn defaults file is the store's test, a panel that
// finds no record CheckPreference's.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/preferences/PreferenceFixture.h"
#include "tests/support/ExchangeFixture.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPanel.h"

namespace {

namespace fs = std::filesystem;
using namespace settings_keys;

fs::path defaultsFolder() {
    return fs::path(std::getenv("XDG_CONFIG_HOME")) / "user-defaults";
}

// A print in which the user locks a pass code, a user number, the user and
// job names and the folder pass code.
void printWithLockedValues(const std::shared_ptr<FakeHost>& host) {
    const auto panel = openPanel(host);
    panel->restoreValuesAndReturnError(nullptr);
    panel->outlets.retentionCheckBox->setState(1);
    panel->outlets.authenticationMatrix->selectCellAtRow(1, 0);
    using P = PanelOutlets;
    for (const auto& [field, lock, text] : {std::tuple{&P::suspendKeyEditText, &P::suspendKeyButton, "123"},
                                            {&P::userNumberEditText, &P::userNumberButton, "4242"},
                                            {&P::userNameEditText, &P::userNameButton, "Jane"},
                                            {&P::jobNameEditText, &P::jobNameButton, "Minutes"},
                                            {&P::folderPasswordEditText, &P::folderPasswordButton, "77"}}) {
        (panel->outlets.*field)->setStringValue(text);
        (panel->outlets.*lock)->setState(1);
    }
    panel->shouldPrint();
}

TEST(RememberedValues, WinAtTheFirstRestoreOfTheNextDialogAndNotAtTheSecond) {
    auto host = FakeHost::withSamplePPD();
    printWithLockedValues(host);

    // Another job, whose settings hold other values and no locks.
    auto other = FakeHost::withSamplePPD();
    for (const auto& [key, value] : {std::pair<const char*, std::string>{kJobSuspend, "2"},
                                     {kJobSuspend2Key, fixedKeyHex("999")},
                                     {kAuthentication, "1"},
                                     {kUserName, hexOf("Other")},
                                     {kHoldButton, "0"}})
        other->settings.set(key, value);
    const auto next = openPanel(other);
    EXPECT_EQ(next->remembered.prefHoldButtonFlag, 1u | 8u | 16u | 32u | 64u);
    next->restoreValuesAndReturnError(nullptr);
    const auto shown = [&] {
        return next->outlets.suspendKeyEditText->stringValue() + "/" + next->outlets.userNumberEditText->stringValue() +
               "/" + next->outlets.userNameEditText->stringValue() + "/" +
               next->outlets.jobNameEditText->stringValue() + "/" +
               next->outlets.folderPasswordEditText->stringValue() + "/" +
               std::to_string(next->outlets.suspendKeyButton->state());
    };
    EXPECT_EQ(shown(), "123/4242/Jane/Minutes/77/1");
    EXPECT_EQ(next->outlets.authenticationMatrix->selectedRow(), 1);

    next->restoreValuesAndReturnError(nullptr);
    EXPECT_EQ(shown(), "999//Other/Untitled//0");
    EXPECT_EQ(next->outlets.authenticationMatrix->selectedRow(), 0);
}

TEST(RememberedValues, AStoreThatCannotBeWrittenNeverStopsAPrint) {
    fs::remove_all(defaultsFolder());
    std::ofstream(defaultsFolder()) << "in the way";
    auto host = FakeHost::withSamplePPD();
    const auto panel = openPanel(host);
    panel->restoreValuesAndReturnError(nullptr);
    panel->outlets.suspendKeyEditText->setStringValue("1");
    panel->outlets.suspendKeyButton->setState(1);
    EXPECT_TRUE(panel->shouldPrint());
    EXPECT_EQ(valueOf(*host, kHoldButton), "1");
    EXPECT_EQ(readFile(defaultsFolder()), "in the way");
}

// The examples' two dialogs: the typical print remembers its locked pass
// code, and the next dialog for the queue shows it locked and sends it.
TEST(MainJob, TheTypicalPrintIsRememberedAndTheNextDialogRestoresThePassCodeLocked) {
    const TempDir config("nelvo-main-job");
    const std::map<std::string, std::string> environment = {{"XDG_CONFIG_HOME", config.path().string()}};
    const std::string sent[] = {"nelvo.print.PrintSettings.holdButton=1\n",
                                "nelvo.print.PrintSettings.jobSuspend2Key=" + fixedKeyHex("123") + "\n"};
    const auto first = runPrintDialog({}, readFile(NELVO_SOURCE_DIR "/examples/typical-print.txt"), environment);
    ASSERT_EQ(first.exitStatus, 0) << first.err;
    const auto second = runPrintDialog({}, readFile(NELVO_SOURCE_DIR "/examples/next-print.txt"), environment);
    ASSERT_EQ(second.exitStatus, 0) << second.err;
    for (const std::string& line : sent) {
        EXPECT_NE(first.out.find(line), std::string::npos) << line << first.out;
        EXPECT_NE(second.out.find(line), std::string::npos) << line << second.out;
    }
    const size_t start = second.out.find("{\n");
    ASSERT_NE(start, std::string::npos) << second.out;
    // The dump is followed by more output: a stream is read only to its end.
    std::istringstream dump(second.out.substr(start));
    nlohmann::json controls;
    dump >> controls;
    EXPECT_EQ(controls["controls"]["suspendKeyEditText"]["text"], "123");
    EXPECT_EQ(controls["controls"]["suspendKeyButton"]["state"], 1);
}

}  // namespace
