// The folder fetch from the terminal: the progress indicator spins while
// the panel waits for the device, and a device that refuses the connection
// brings up the alert as a modal box.
#include <gtest/gtest.h>

#include <set>

#include "tests/terminal/PtyDialog.h"
#include "tools/DeviceSimulator.h"

namespace {

int addressRow(const ScreenFrame& frame) {
    return frame.rowOf("Printer's Address:");
}

}  // namespace

TEST(FolderFetchInTheTerminal, SpinsWhileWaitingThenShowsTheAlertBox) {
    DeviceBehaviour refusing;
    refusing.refuse = true;
    DeviceSimulator device(refusing);

    PtyDialog dialog({});
    dialog.waitForText("Get Folder Names");
    dialog.pressUntil(
        keys::backTab,
        [](const ScreenFrame& s) { return s.cursorOn(addressRow(s)) && s.cursorColumn > s.columnOf(addressRow(s), ":"); },
        "the cursor in the address field");
    dialog.send(keys::deleteKey);
    dialog.send(device.address());
    dialog.waitForText("Printer's Address:    " + device.address());
    ScreenFrame screen = dialog.press(keys::tab);
    const int buttonRow = screen.rowOf("[ Get Folder Names ]");
    ASSERT_TRUE(screen.cursorOn(buttonRow)) << screen.picture();

    // Until the alert comes, every screen is looked at: the spinner beside
    // the button must turn, that is, show more than one of its marks.
    std::set<std::string> spinnerMarks;
    dialog.send(keys::space);
    screen = dialog.waitFor(
        [&](const ScreenFrame& s) {
            const std::string& line = s.text[static_cast<size_t>(buttonRow)];
            const size_t end = line.find("Names ]");
            const std::string after = end == std::string::npos ? "" : line.substr(end + 7);
            const size_t mark = after.find_first_not_of(' ');
            if (mark != std::string::npos) spinnerMarks.insert(after.substr(mark, 3));
            return s.contains("Could not retrieve Folder Names.");
        },
        "the alert");
    EXPECT_GE(spinnerMarks.size(), 2u) << "the progress indicator did not turn";
    const int alertRow = screen.rowOf("Could not retrieve Folder Names.");
    EXPECT_TRUE(screen.rowOf("[ OK ]") > alertRow) << screen.picture();
    EXPECT_TRUE(screen.cursorOn(screen.rowOf("[ OK ]")));

    // Keys other than the dismissing ones do not reach the panel.
    screen = dialog.press(keys::tab);
    EXPECT_TRUE(screen.contains("Could not retrieve Folder Names."));
    screen = dialog.press(keys::enter);
    EXPECT_FALSE(screen.contains("Could not retrieve Folder Names.")) << screen.picture();
    EXPECT_TRUE(screen.cursorOn(buttonRow)) << "the cursor is back on the button";
    const std::string& line = screen.text[static_cast<size_t>(buttonRow)];
    EXPECT_EQ(line.find_first_not_of(' ', line.find("Names ]") + 7), std::string::npos)
        << "the progress indicator is hidden again: " << line;
    dialog.send(keys::escape);
    EXPECT_EQ(dialog.waitForExit(), 1);
}
