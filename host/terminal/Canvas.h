// The screen as the dialog draws it before the terminal shows it: rows of
// cells, each a character with its style, and where the cursor stands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/terminal/DisplayText.h"

namespace host {

struct Glyphs;

namespace style {
inline constexpr uint8_t plain = 0;
inline constexpr uint8_t dim = 1;
inline constexpr uint8_t reverse = 2;
inline constexpr uint8_t bold = 4;
inline constexpr uint8_t underline = 8;
}  // namespace style

struct CanvasCell {
    std::u32string glyph = U" ";
    uint8_t style = style::plain;
    // The right half of a two-column character that starts one cell left.
    bool continuation = false;
};

struct CursorPlace {
    int row = 0;
    int column = 0;
    bool visible = false;
};

class Canvas {
public:
    Canvas(int rows, int columns, const Glyphs& glyphs);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    const Glyphs& glyphs() const { return glyphs_; }

    // Draws `text` from (row, column), at most `maxWidth` columns of it;
    // gives the columns used. Whatever falls outside the canvas is dropped.
    int write(int row, int column, std::string_view text, uint8_t cellStyle, int maxWidth = 1 << 20);
    int write(int row, int column, const std::vector<DisplayCell>& cells, uint8_t cellStyle, int maxWidth = 1 << 20);
    // Repeats `glyph` (one column wide) over `width` columns.
    void fill(int row, int column, int width, std::string_view glyph, uint8_t cellStyle);
    // Draws a frame of the glyphs' box lines in `lineStyle` with its top
    // left corner at (top, left) and blanks what it encloses.
    void box(int top, int left, int width, int height, uint8_t lineStyle);
    // Adds `extra` to the style of `width` cells from (row, column).
    void addStyle(int row, int column, int width, uint8_t extra);

    const CanvasCell& at(int row, int column) const;
    // The row's text, each character once.
    std::string rowText(int row) const;

    const CursorPlace& cursor() const { return cursor_; }
    void placeCursor(int row, int column);

private:
    bool inside(int row, int column) const;
    CanvasCell& cell(int row, int column);
    // Puts one character, keeping two-column characters whole: a character
    // that is partly overwritten is blanked.
    void put(int row, int column, const DisplayCell& character, uint8_t cellStyle);
    void blank(int row, int column);

    int rows_;
    int columns_;
    const Glyphs& glyphs_;
    std::vector<CanvasCell> cells_;
    CursorPlace cursor_;
};

}  // namespace host
