// The terminal dialog as a person meets it: ASCII marks where the terminal
// cannot show others, a terminal too small for the panel or unable to move
// its cursor, dimmed fields, editing at the caret, masked secrets and a
// cancel.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/PtyDialog.h"
#include "tests/support/TempDir.h"

TEST(TerminalMarks, WithoutUtf8EverythingReachingTheTerminalIsAscii) {
    PtyDialog dialog({{}, {{"LC_ALL", "C"}}});
    dialog.waitForText("[open]");
    EXPECT_EQ(dialog.cancel(), 1);
    for (const char c : dialog.output())
        ASSERT_EQ(static_cast<unsigned char>(c) & 0x80, 0) << dialog.output();
}

TEST(TerminalSize, ATooSmallTerminalGetsAskedForRoomAndTakesNoKeys) {
    PtyDialog dialog({});
    dialog.waitForText("Job Retention");
    dialog.resize(20, 60);
    const ScreenFrame small = dialog.waitFor([](const ScreenFrame& s) { return s.columns == 60; }, "60 columns");
    EXPECT_NE(small.flowingText().find("needs a terminal of 80 by 24; this one is 60 by 20."), std::string::npos)
        << small.picture();
    // The keys come right before the resize: the screen for the last may
    // still be painted for the small size when the new size is taken.
    dialog.send(keys::tab);
    dialog.send(keys::space);
    dialog.resize(24, 80);
    dialog.waitFor([](const ScreenFrame& s) { return s.contains("[ ] Job Retention"); }, "the panel unchanged");

    // A key right before the new size: its screen, painted for the small
    // size, must not count as fitting the large one.
    dialog.resize(20, 60);
    dialog.waitFor([](const ScreenFrame& s) { return s.columns == 60; }, "60 columns again");
    dialog.send(keys::space);
    dialog.resize(24, 80);
    dialog.waitFor([](const ScreenFrame& s) { return s.contains("Job Retention"); }, "the panel again");
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(TerminalDimming, ADimmedFieldRefusesTheCursorAndCancellingWritesNoJob) {
    const TempDir directory;
    const auto job = directory.path() / "job.json";
    PtyDialog dialog({{"--settings", job.string()}, {}});
    ScreenFrame screen = dialog.waitForText("Pass Code:");
    const int passRow = screen.rowOf("Pass Code:");
    const auto dimmed = [&](const ScreenFrame& s) {
        return (s.styleAt(passRow, s.columnOf(passRow, "Pass")) & 1) != 0;
    };
    ASSERT_TRUE(dimmed(screen)) << "retention is off: the pass code is dimmed\n" << screen.picture();

    // Round the whole tab back to the tab bar: the cursor never lands on
    // the pass-code row.
    const int tabBarRow = screen.rowOf("[Retention]");
    dialog.pressUntil(
        keys::tab, [&](const ScreenFrame& s) { return s.cursorOn(tabBarRow); }, "the tab bar");
    dialog.press(keys::tab);
    dialog.pressUntil(
        keys::tab,
        [&](const ScreenFrame& s) {
            EXPECT_FALSE(s.cursorOn(passRow)) << s.picture();
            return s.cursorOn(tabBarRow);
        },
        "the tab bar again");

    dialog.switchRetentionOn();
    screen = dialog.pressUntil(
        keys::tab, [&](const ScreenFrame& s) { return s.cursorOn(passRow); }, "the pass code");
    EXPECT_FALSE(dimmed(screen));
    EXPECT_EQ(dialog.cancel(), 1);
    EXPECT_FALSE(std::filesystem::exists(job));
}

TEST(TerminalStart, ATerminalThatCannotMoveItsCursorIsRefusedWithStatusTwo) {
    PtyDialog dialog({{}, {{"TERM", "dumb"}}});
    EXPECT_EQ(dialog.waitForExit(), 2);
    EXPECT_NE(dialog.output().find("(TERM=dumb) cannot move its cursor"), std::string::npos) << dialog.output();
}

TEST(TerminalFields, SecretsShowMaskedUntilRevealedAndEditsHappenAtTheCaret) {
    PtyDialog dialog({});
    dialog.waitForText("[ ] Job Retention");
    dialog.switchRetentionOn();
    ScreenFrame screen = dialog.tabTo("Pass Code:");
    const int row = screen.rowOf("Pass Code:");
    EXPECT_TRUE(screen.contains("F4 Reveal")) << screen.picture();
    EXPECT_TRUE(screen.contains("F4 or Ctrl-R shows or hides the text")) << screen.picture();
    const auto fieldShows = [row](const std::string& text) {
        return [row, text](const ScreenFrame& s) {
            return s.columnOf(row, "Pass Code:") >= 0 && s.columnOf(row, "   " + text + "_") >= 0;
        };
    };
    dialog.send("123");
    dialog.waitFor(fieldShows("\u2022\u2022\u2022"), "three bullets");
    dialog.send(keys::f4);
    dialog.waitFor(fieldShows("123"), "the pass code in clear");

    // Home, Right: between 1 and 2. Typing inserts there through the
    // filter (a letter is refused); Delete takes the 2, End and Backspace the 3.
    for (const char* key : {keys::home, keys::right, "x9", keys::deleteKey})
        dialog.send(key);
    dialog.waitFor(fieldShows("193"), "9 inserted at the caret, 2 deleted after it");
    dialog.send(keys::end);
    dialog.send(keys::backspace);
    dialog.waitFor(fieldShows("19"), "the last digit deleted");
    dialog.send(keys::left);
    dialog.send("7");
    dialog.waitFor(fieldShows("179"), "7 before the 9");

    // Leaving the field masks it again.
    dialog.send(keys::tab);
    dialog.waitFor(fieldShows("\u2022\u2022\u2022"), "masked after the cursor left");
    EXPECT_EQ(dialog.cancel(), 1);
}

// A byte that begins no UTF-8 character, alone or before a letter, is
// dropped: the keys after it still arrive, and F10 still prints.
TEST(TerminalInput, AByteThatIsNotUtf8IsDroppedAndTheKeysAfterItStillCount) {
    PtyDialog dialog({});
    dialog.waitForText("[ ] Job Retention");
    dialog.switchRetentionOn();
    const int row = dialog.tabTo("Pass Code:").rowOf("Pass Code:");
    dialog.send("\xFF");
    dialog.send(
        "1\xE9"
        "A2");
    dialog.waitFor([row](const ScreenFrame& s) { return s.columnOf(row, "   \u2022\u2022_") >= 0; },
                   "two digits typed");
    dialog.send(keys::f10);
    EXPECT_EQ(dialog.waitForExit(), 0) << dialog.output();
}
