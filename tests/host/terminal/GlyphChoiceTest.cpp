// Which terminals get the ASCII marks.
#include <gtest/gtest.h>

#include "host/terminal/Glyphs.h"

namespace host {

TEST(GlyphChoice, AsciiWithoutUtf8OrOnTerminalsWithoutPadlocks) {
    EXPECT_FALSE(terminalNeedsAscii("xterm-256color", "UTF-8"));
    EXPECT_FALSE(terminalNeedsAscii("vte", "UTF-8")) << "only vt followed by a digit is the VT series";
    EXPECT_TRUE(terminalNeedsAscii("xterm", "ISO-8859-15"));
    EXPECT_TRUE(terminalNeedsAscii("VT220", "UTF-8"));
}

}  // namespace host
