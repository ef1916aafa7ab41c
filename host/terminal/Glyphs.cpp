#include "host/terminal/Glyphs.h"

#include <algorithm>
#include <cctype>

namespace host {

Glyphs unicodeGlyphs() {
    Glyphs glyphs;
    glyphs.checkOn = "[x]";
    glyphs.checkOff = "[ ]";
    glyphs.radioOn = "(\u2022)";
    glyphs.radioOff = "( )";
    glyphs.lockedButton = "[\U0001F512]";
    glyphs.unlockedButton = "[\U0001F513]";
    glyphs.lockedMenuMark = "\U0001F512";
    glyphs.popUpArrow = "\u25BE";
    glyphs.horizontal = "\u2500";
    glyphs.vertical = "\u2502";
    glyphs.topLeft = "\u250C";
    glyphs.topRight = "\u2510";
    glyphs.bottomLeft = "\u2514";
    glyphs.bottomRight = "\u2518";
    glyphs.teeLeft = "\u251C";
    glyphs.teeRight = "\u2524";
    glyphs.cutLeft = "\u2026";
    glyphs.cutRight = "\u2026";
    glyphs.fieldFill = "_";
    glyphs.dimmedFieldFill = "\u00B7";
    glyphs.spinner = {"\u280B", "\u2819", "\u2839", "\u2838", "\u283C",
                      "\u2834", "\u2826", "\u2827", "\u2807", "\u280F"};
    glyphs.bullet = "\u2022";
    return glyphs;
}

Glyphs asciiGlyphs() {
    Glyphs glyphs;
    glyphs.ascii = true;
    glyphs.checkOn = "[x]";
    glyphs.checkOff = "[ ]";
    glyphs.radioOn = "(*)";
    glyphs.radioOff = "( )";
    glyphs.lockedButton = "[lock]";
    glyphs.unlockedButton = "[open]";
    glyphs.lockedMenuMark = "[lock]";
    glyphs.popUpArrow = "v";
    glyphs.horizontal = "-";
    glyphs.vertical = "|";
    glyphs.topLeft = "+";
    glyphs.topRight = "+";
    glyphs.bottomLeft = "+";
    glyphs.bottomRight = "+";
    glyphs.teeLeft = "+";
    glyphs.teeRight = "+";
    glyphs.cutLeft = "<";
    glyphs.cutRight = ">";
    glyphs.fieldFill = "_";
    glyphs.dimmedFieldFill = ".";
    glyphs.spinner = {"|", "/", "-", "\\"};
    glyphs.bullet = "*";
    return glyphs;
}

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

bool terminalNeedsAscii(std::string_view term, std::string_view codeset) {
    const std::string set = lowerCase(codeset);
    if (set != "utf-8" && set != "utf8") return true;
    const std::string type = lowerCase(term);
    if (type.empty() || type == "dumb" || type == "linux" || type.starts_with("linux-")) return true;
    // vt52, vt100, vt220, vt320 ... and their variants.
    return type.size() > 2 && type.starts_with("vt") && std::isdigit(static_cast<unsigned char>(type[2]));
}

}  // namespace host
