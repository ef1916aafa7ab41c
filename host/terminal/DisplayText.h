// Text as the terminal shows it: UTF-8 taken apart into the cells it
// occupies, by the locale's character widths.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct Glyphs;

// One character on the screen: a printing character with any combining
// marks that follow it, one or two columns wide.
struct DisplayCell {
    std::u32string glyph;
    int width = 1;
    // How many UTF-16 code units of the source text the cell shows, so that
    // a caret counted in code units can be placed among the cells.
    std::size_t units = 1;
};

// The cells of `text`. A bullet becomes `glyphs.bullet`; a character the
// locale cannot show (a control character, invalid UTF-8, anything beyond
// the code set) becomes "?".
std::vector<DisplayCell> displayCells(std::string_view text, const Glyphs& glyphs);

// The columns that `text` occupies.
int displayWidth(std::string_view text, const Glyphs& glyphs);
int displayWidth(const std::vector<DisplayCell>& cells);

// How many of `cells` the first `units` UTF-16 code units cover.
std::size_t cellsBeforeUnit(const std::vector<DisplayCell>& cells, std::size_t units);

// `text` in lines of at most `width` columns, broken between words; a word
// longer than a line gets a line of its own.
std::vector<std::string> wrapWords(const std::string& text, int width, const Glyphs& glyphs);

std::string utf8FromCodePoints(const std::u32string& codePoints);

}  // namespace host
