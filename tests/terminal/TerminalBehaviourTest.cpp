// The terminal dialog as a person meets it: the marks a terminal can show,
// the locale's language, a change of the terminal's size, the folder menu,
// dimmed fields, the summary pane and lp arguments after printing.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>

#include "tests/support/TempDir.h"
#include "tests/terminal/PtyDialog.h"

namespace {

const std::string kClosedPadlock = "\U0001F512";
const std::string kOpenPadlock = "\U0001F513";

}  // namespace

TEST(TerminalMarks, PadlocksWhereTheTerminalHasThemAsciiElsewhere) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::vector<std::string> arguments;
        bool ascii;
    };
    const std::vector<Case> cases = {
        {{{"TERM", "xterm"}}, {}, false},
        {{{"TERM", "vt100"}}, {}, true},
        {{{"TERM", "xterm"}, {"LC_ALL", "C"}}, {}, true},
        {{{"TERM", "xterm"}}, {"--ascii"}, true},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.environment.at("TERM") + (test.ascii ? " ascii" : " unicode"));
        PtyDialog dialog({test.arguments, test.environment});
        const ScreenFrame screen = dialog.waitForText("Job Retention");
        const int passRow = screen.rowOf("Pass Code:");
        ASSERT_GE(passRow, 0) << screen.picture();
        const std::string& passLine = screen.text[static_cast<size_t>(passRow)];
        if (test.ascii) {
            EXPECT_NE(passLine.find("[open]"), std::string::npos) << screen.picture();
            EXPECT_TRUE(screen.contains("(*) Main Folder")) << screen.picture();
            for (const std::string& line : screen.text)
                for (const char c : line) EXPECT_EQ(static_cast<unsigned char>(c) & 0x80, 0) << line;
        } else {
            EXPECT_NE(passLine.find("[" + kOpenPadlock + "]"), std::string::npos) << screen.picture();
            EXPECT_TRUE(screen.contains("(\u2022) Main Folder")) << screen.picture();
        }
        EXPECT_EQ(dialog.cancel(), 1);
        // What reached the terminal itself, not only the dump.
        EXPECT_EQ(dialog.output().find(kOpenPadlock) != std::string::npos, !test.ascii);
    }
}

TEST(TerminalLanguage, FollowsTheLocale) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    std::setlocale(LC_ALL, "C.UTF-8");
    if (!german) GTEST_SKIP() << "the German locale is not generated (scripts/setup.sh does it)";
    PtyDialog dialog({{}, {{"LC_ALL", "de_DE.UTF-8"}}});
    const ScreenFrame screen = dialog.waitForText("Auftragsverwaltung");
    EXPECT_TRUE(screen.contains("F2 Sichern")) << screen.picture();
    EXPECT_TRUE(screen.contains("F10 Drucken")) << screen.picture();
    EXPECT_TRUE(screen.contains("Esc Abbrechen")) << screen.picture();
    EXPECT_FALSE(screen.contains("Job Retention")) << "the panel's texts come from the bundle in German";
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(TerminalSize, RedrawsOnResizeAndAsksForRoomWhenTooSmall) {
    PtyDialog dialog({});
    dialog.waitForText("Job Retention");
    dialog.resize(20, 60);
    ScreenFrame screen = dialog.waitFor([](const ScreenFrame& s) { return s.columns == 60; }, "60 columns");
    EXPECT_NE(screen.flowingText().find("needs a terminal of 80 by 24; this one is 60 by 20."), std::string::npos)
        << screen.picture();
    EXPECT_FALSE(screen.contains("Job Retention"));
    // Keys that would change the panel do nothing meanwhile.
    dialog.send(keys::tab);
    dialog.send(keys::space);
    dialog.resize(30, 100);
    screen = dialog.waitFor([](const ScreenFrame& s) { return s.columns == 100 && s.contains("Job Retention"); },
                            "the panel at 100 columns");
    EXPECT_TRUE(screen.contains("[ ] Job Retention")) << screen.picture();
    EXPECT_EQ(screen.rows, 30);
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(TerminalFolderMenu, OpensUnderTheButtonAndIsWalkedWithTheArrows) {
    PtyDialog dialog({});
    dialog.waitForText("Job Retention");
    dialog.switchRetentionOn();
    ScreenFrame screen = dialog.tabTo("Folder:");
    const int buttonRow = screen.rowOf("Folder:");
    EXPECT_TRUE(screen.contains("[Main Folder")) << screen.picture();

    screen = dialog.press(keys::down);
    // The list lies below the button, the chosen item under the cursor.
    const int listRow = screen.rowOf("Quick File");
    ASSERT_GT(listRow, buttonRow) << screen.picture();
    EXPECT_EQ(screen.cursorRow, listRow + 1) << "the cursor starts on the selected item\n" << screen.picture();
    screen = dialog.press(keys::up);
    EXPECT_EQ(screen.cursorRow, listRow);
    EXPECT_NE(screen.styleAt(listRow, screen.cursorColumn) & 2, 0) << "highlighted\n" << screen.picture();
    screen = dialog.press(keys::up);
    EXPECT_EQ(screen.cursorRow, listRow) << "the walk stops at the first item";

    screen = dialog.press(keys::enter);
    EXPECT_TRUE(screen.contains("[Quick File")) << screen.picture();
    EXPECT_TRUE(screen.cursorOn(buttonRow));

    // Escape closes an opened menu without choosing, and leaves the dialog open.
    dialog.press(keys::space);
    screen = dialog.press(keys::down);
    screen = dialog.press(keys::escape);
    EXPECT_TRUE(screen.contains("[Quick File")) << screen.picture();
    EXPECT_TRUE(screen.contains("Job Retention"));
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(TerminalDimming, ADimmedFieldRefusesTheCursor) {
    PtyDialog dialog({});
    ScreenFrame screen = dialog.waitForText("Pass Code:");
    const int passRow = screen.rowOf("Pass Code:");
    ASSERT_NE(screen.styleAt(passRow, screen.columnOf(passRow, "Pass Code:")) & 1, 0)
        << "retention is off: the pass code is dimmed\n" << screen.picture();

    // Round the whole tab: the cursor never lands on the pass-code row.
    const int tabBarRow = screen.rowOf("[Retention]");
    screen = dialog.pressUntil(keys::tab, [&](const ScreenFrame& s) { return s.cursorOn(tabBarRow); }, "the tab bar");
    int stops = 0;
    do {
        screen = dialog.press(keys::tab);
        EXPECT_FALSE(screen.cursorOn(passRow)) << screen.picture();
        ASSERT_LT(++stops, 40);
    } while (!screen.cursorOn(tabBarRow));

    // With retention on, the field is drawn plain and takes the cursor.
    dialog.switchRetentionOn();
    screen = dialog.pressUntil(keys::tab, [&](const ScreenFrame& s) { return s.cursorOn(passRow); },
                               "the cursor on the pass-code row");
    EXPECT_EQ(screen.styleAt(passRow, screen.columnOf(passRow, "Pass Code:")) & 1, 0);
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(TerminalSummary, ThePaneComesAndGoesWithItsKey) {
    PtyDialog dialog({});
    ScreenFrame screen = dialog.waitForText("F3 Summary");
    EXPECT_EQ(screen.rowOf("\u2500 Summary "), -1);
    screen = dialog.press(keys::f3);
    const int paneRow = screen.rowOf("\u2500 Summary ");
    ASSERT_GE(paneRow, 0) << screen.picture();
    EXPECT_GE(screen.columnOf(paneRow, "Summary "), 58) << "the pane lies right of the panel";
    EXPECT_TRUE(screen.contains("Pass Code:")) << "and leaves the panel whole\n" << screen.picture();
    screen = dialog.press(keys::f3);
    EXPECT_EQ(screen.rowOf("\u2500 Summary "), -1);
    EXPECT_EQ(dialog.cancel(), 1);
}

TEST(TerminalLpOptions, PrintsTheJobAsLpArguments) {
    const TempDir directory;
    const auto job = directory.write("job.json", R"({"other.panel.Choice":"two words"})");
    PtyDialog dialog({{"--lp-options", "--settings", job.string()}, {}});
    dialog.waitForText("Job Retention");
    dialog.send(keys::f10);
    ASSERT_EQ(dialog.waitForExit(), 0);
    // A setting with a blank is one argument to the shell, and one option to lp.
    EXPECT_NE(dialog.output().find("-o 'other.panel.Choice=two\\ words'"), std::string::npos) << dialog.output();
    EXPECT_EQ(dialog.output().find("other.panel.Choice=two words\r\n"), std::string::npos)
        << "only the lp form is printed";
}
