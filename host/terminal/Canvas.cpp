#include "host/terminal/Canvas.h"

#include <algorithm>

#include "host/terminal/Glyphs.h"

namespace host {

Canvas::Canvas(int rows, int columns, const Glyphs& glyphs)
    : rows_(std::max(rows, 0)),
      columns_(std::max(columns, 0)),
      glyphs_(glyphs),
      cells_(static_cast<size_t>(rows_) * static_cast<size_t>(columns_)) {}

bool Canvas::inside(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

CanvasCell& Canvas::cell(int row, int column) {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column)];
}

const CanvasCell& Canvas::at(int row, int column) const {
    static const CanvasCell outside;
    if (!inside(row, column)) return outside;
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) + static_cast<size_t>(column)];
}

void Canvas::blank(int row, int column) {
    CanvasCell& target = cell(row, column);
    target.glyph.assign(1, U' ');
    target.continuation = false;
}

void Canvas::put(int row, int column, const DisplayCell& character, uint8_t cellStyle) {
    if (!inside(row, column)) return;
    const bool wide = character.width == 2;
    if (wide && !inside(row, column + 1)) return;
    // The left half of a wide character that this one cuts.
    if (cell(row, column).continuation && column > 0) blank(row, column - 1);
    const int last = column + (wide ? 1 : 0);
    // The right half of a wide character whose left half is overwritten.
    if (inside(row, last + 1) && cell(row, last + 1).continuation) blank(row, last + 1);
    CanvasCell& target = cell(row, column);
    target.glyph = character.glyph;
    target.style = cellStyle;
    target.continuation = false;
    if (wide) {
        CanvasCell& right = cell(row, column + 1);
        right.glyph.clear();
        right.style = cellStyle;
        right.continuation = true;
    }
}

int Canvas::write(int row, int column, std::string_view text, uint8_t cellStyle, int maxWidth) {
    return write(row, column, displayCells(text, glyphs_), cellStyle, maxWidth);
}

int Canvas::write(int row, int column, const std::vector<DisplayCell>& cells, uint8_t cellStyle, int maxWidth) {
    int used = 0;
    for (const DisplayCell& character : cells) {
        if (used + character.width > maxWidth) {
            // No room for the right half: the last column stays blank.
            if (used < maxWidth) put(row, column + used++, DisplayCell{U" ", 1, 1}, cellStyle);
            break;
        }
        put(row, column + used, character, cellStyle);
        used += character.width;
    }
    return used;
}

void Canvas::fill(int row, int column, int width, std::string_view glyph, uint8_t cellStyle) {
    const std::vector<DisplayCell> cells = displayCells(glyph, glyphs_);
    const DisplayCell character = cells.empty() ? DisplayCell{U" ", 1, 1} : cells.front();
    for (int offset = 0; offset < width; ++offset)
        put(row, column + offset, character, cellStyle);
}

void Canvas::box(int top, int left, int width, int height, uint8_t lineStyle) {
    const int right = left + width - 1;
    const int bottom = top + height - 1;
    write(top, left, glyphs_.topLeft, lineStyle);
    fill(top, left + 1, width - 2, glyphs_.horizontal, lineStyle);
    write(top, right, glyphs_.topRight, lineStyle);
    for (int row = top + 1; row < bottom; ++row) {
        write(row, left, glyphs_.vertical, lineStyle);
        fill(row, left + 1, width - 2, " ", style::plain);
        write(row, right, glyphs_.vertical, lineStyle);
    }
    write(bottom, left, glyphs_.bottomLeft, lineStyle);
    fill(bottom, left + 1, width - 2, glyphs_.horizontal, lineStyle);
    write(bottom, right, glyphs_.bottomRight, lineStyle);
}

void Canvas::addStyle(int row, int column, int width, uint8_t extra) {
    for (int offset = 0; offset < width; ++offset)
        if (inside(row, column + offset)) cell(row, column + offset).style |= extra;
}

std::string Canvas::rowText(int row) const {
    std::u32string text;
    for (int column = 0; column < columns_; ++column) {
        const CanvasCell& here = at(row, column);
        if (!here.continuation) text += here.glyph;
    }
    return utf8FromCodePoints(text);
}

void Canvas::placeCursor(int row, int column) {
    cursor_ = CursorPlace{std::clamp(row, 0, std::max(rows_ - 1, 0)), std::clamp(column, 0, std::max(columns_ - 1, 0)),
                          inside(row, column)};
}

}  // namespace host
