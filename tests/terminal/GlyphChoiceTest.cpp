// Which terminals get the ASCII marks.
#include <gtest/gtest.h>

#include "host/terminal/Glyphs.h"

TEST(GlyphChoice, AsciiWithoutUtf8OrOnTerminalsWithoutPadlocks) {
    EXPECT_FALSE(terminalNeedsAscii("xterm-256color", "UTF-8"));
    EXPECT_FALSE(terminalNeedsAscii("screen", "utf8"));
    EXPECT_FALSE(terminalNeedsAscii("tmux-256color", "UTF-8"));
    EXPECT_FALSE(terminalNeedsAscii("vte", "UTF-8")) << "only vt followed by a digit is the VT series";

    EXPECT_TRUE(terminalNeedsAscii("xterm", "ANSI_X3.4-1968"));
    EXPECT_TRUE(terminalNeedsAscii("xterm", "ISO-8859-15"));
    EXPECT_TRUE(terminalNeedsAscii("dumb", "UTF-8"));
    EXPECT_TRUE(terminalNeedsAscii("", "UTF-8"));
    EXPECT_TRUE(terminalNeedsAscii("vt100", "UTF-8"));
    EXPECT_TRUE(terminalNeedsAscii("VT220", "UTF-8"));
    EXPECT_TRUE(terminalNeedsAscii("linux", "UTF-8"));
}

TEST(GlyphChoice, TheAsciiSetIsAscii) {
    const Glyphs ascii = asciiGlyphs();
    for (const std::string* mark : {&ascii.checkOn, &ascii.radioOn, &ascii.lockedButton, &ascii.unlockedButton,
                                    &ascii.lockedMenuMark, &ascii.popUpArrow, &ascii.horizontal, &ascii.topLeft,
                                    &ascii.cutLeft, &ascii.dimmedFieldFill, &ascii.bullet})
        for (const char c : *mark) EXPECT_EQ(static_cast<unsigned char>(c) & 0x80, 0) << *mark;
}
