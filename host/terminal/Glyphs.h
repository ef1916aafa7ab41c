// The marks the terminal dialog draws with: padlocks, radio bullets, frame
// lines, the spinner. A terminal that cannot show the padlock characters
// gets plain ASCII instead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

struct Glyphs {
    bool ascii = false;
    std::string checkOn, checkOff;
    std::string radioOn, radioOff;
    std::string lockedButton, unlockedButton;  // the lock buttons, both the same width
    std::string lockedMenuMark;                // a protected folder in the folder menu
    std::string popUpArrow;
    std::string horizontal, vertical;
    std::string topLeft, topRight, bottomLeft, bottomRight, teeLeft, teeRight;
    std::string cutLeft, cutRight;  // where a field's text runs past its edge
    std::string fieldFill, dimmedFieldFill;
    std::vector<std::string> spinner;
    // What a bullet (U+2022) in a field's text is drawn as: the masked login
    // name is made of them.
    std::string bullet;
};

Glyphs unicodeGlyphs();
Glyphs asciiGlyphs();

// Whether a terminal of type `term` (TERM, possibly empty) in a locale whose
// code set is `codeset` needs the ASCII glyphs: a code set other than UTF-8,
// or a terminal type that has no padlock characters (dumb, the VT series,
// the Linux console).
bool terminalNeedsAscii(std::string_view term, std::string_view codeset);

}  // namespace host
