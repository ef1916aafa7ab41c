// The folder fetch from the terminal: the progress indicator turns while
// the panel waits for the device (also across a resize), the fetched folders are chosen from the
// menu, and a device that refuses the connection brings up the alert as a
// modal box.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>

#include "tests/support/PtyDialog.h"
#include "tools/DeviceSimulator.h"
#include "tools/FolderAnswer.h"

namespace {

// Pastes the device's address into the panel, with a line break that has
// no place in the field, and puts the cursor on the folder button; gives
// the button's row.
int readyToFetch(PtyDialog& dialog, const std::string& address) {
    dialog.waitForText("Get Folder Names");
    dialog.tabTo("Printer's Address:");
    dialog.send(keys::clearField);
    dialog.send(keys::pasteBegin + address + "\r\n" + keys::pasteEnd);
    dialog.waitForText("Printer's Address:    " + address + "_");
    const ScreenFrame screen = dialog.press(keys::tab);
    const int buttonRow = screen.rowOf("[ Get Folder Names ]");
    EXPECT_TRUE(screen.cursorOn(buttonRow)) << screen.picture();
    return buttonRow;
}

// What stands right of the button: the progress indicator, when shown.
std::string besideTheButton(const ScreenFrame& frame, int buttonRow) {
    std::istringstream after(frame.text[static_cast<size_t>(buttonRow)]);
    std::string word;
    while (after >> word && word != "Names") {}
    after >> word >> word;  // the "]", then what follows it
    return after ? word : std::string();
}

}  // namespace

TEST(FolderFetchInTheTerminal, TheIndicatorTurnsWhileWaitingAndAFetchedFolderIsChosen) {
    DeviceBehaviour slow;
    slow.answerDelay = std::chrono::milliseconds(3000);
    slow.answerBody = folderListAnswer({{"Reports", false, false}, {"Payroll", true, false}});
    DeviceSimulator device(slow);
    PtyDialog dialog({});
    const int buttonRow = readyToFetch(dialog, device.address());

    // Every screen until the wait is over is looked at: the indicator must
    // show more than one of its marks, that is, turn.
    std::set<std::string> marks;
    dialog.send(keys::space);
    dialog.waitFor(
        [&](const ScreenFrame& s) {
            const std::string mark = besideTheButton(s, buttonRow);
            if (!mark.empty()) marks.insert(mark);
            return marks.size() >= 3;
        },
        "the progress indicator turning");
    // No key is read while the panel waits, yet a new terminal size is
    // taken at once.
    dialog.resize(30, 100);
    dialog.waitFor([&](const ScreenFrame& s) { return s.columns == 100 && !besideTheButton(s, buttonRow).empty(); },
                   "the waiting screen redrawn at the new size");
    ScreenFrame screen = dialog.waitFor([&](const ScreenFrame& s) { return besideTheButton(s, buttonRow).empty(); },
                                        "the progress indicator hidden after the answer");

    // Retention on, then the folder menu: the device's folders after the
    // fixed items, the protected one with a padlock.
    dialog.switchRetentionOn();
    dialog.tabTo("Folder:");
    screen = dialog.press(keys::space);
    const int payrollRow = screen.rowOf("\U0001F512 Payroll");
    ASSERT_GT(payrollRow, screen.rowOf("Reports")) << screen.picture();
    screen = dialog.pressUntil(
        keys::down, [&](const ScreenFrame& s) { return s.cursorOn(payrollRow); }, "the highlight on Payroll");
    screen = dialog.press(keys::enter);
    EXPECT_TRUE(screen.contains("[\U0001F512 Payroll")) << screen.picture();
    // A protected folder wants its pass code: the field is usable and the
    // panel gives it the keyboard focus, so the cursor is in it.
    const int folderPassRow = screen.rowOf("Folder Pass Code:");
    EXPECT_TRUE(screen.cursorOn(folderPassRow)) << screen.picture();
    EXPECT_EQ(screen.styleAt(folderPassRow, screen.columnOf(folderPassRow, "Folder Pass Code:")) & 1, 0);
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(FolderFetchInTheTerminal, ARefusedConnectionBringsUpTheAlertBox) {
    DeviceBehaviour refusing;
    refusing.refuse = true;
    DeviceSimulator device(refusing);
    PtyDialog dialog({});
    const int buttonRow = readyToFetch(dialog, device.address());

    dialog.send(keys::space);
    ScreenFrame screen = dialog.waitForText("Could not retrieve Folder Names.");
    EXPECT_TRUE(screen.cursorOnRowOf("[ OK ]")) << screen.picture();
    EXPECT_TRUE(besideTheButton(screen, buttonRow).empty()) << "the indicator is hidden before the alert";

    // Keys other than the dismissing ones do not reach the panel.
    EXPECT_TRUE(dialog.press(keys::tab).contains("Could not retrieve Folder Names."));
    screen = dialog.press(keys::enter);
    EXPECT_FALSE(screen.contains("Could not retrieve Folder Names.")) << screen.picture();
    EXPECT_TRUE(screen.cursorOn(buttonRow)) << "the cursor is back on the button";
    EXPECT_EQ(dialog.cancel(), 1);
}
