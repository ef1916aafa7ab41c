#include "host/terminal/EditFieldView.h"

#include <algorithm>

#include "host/terminal/Glyphs.h"

namespace host {

namespace {

// The columns that cells [from, to) take.
int widthOf(const std::vector<DisplayCell>& cells, size_t from, size_t to) {
    int width = 0;
    for (size_t index = from; index < to && index < cells.size(); ++index)
        width += cells[index].width;
    return width;
}

// The first cell to show so that the caret, before cell `caret`, has a
// column of its own within `width` (one column kept for the left mark).
size_t firstShownCell(const std::vector<DisplayCell>& cells, size_t caret, int width) {
    // Walks back from the caret, so that a long text costs one pass.
    const int room = std::max(width - 2, 1);
    size_t first = std::min(caret, cells.size());
    int used = 0;
    while (first > 0 && used + cells[first - 1].width <= room)
        used += cells[--first].width;
    return first;
}

}  // namespace

EditFieldView viewOfField(const std::string& text, NSRange selection, bool focused, int width, const Glyphs& glyphs) {
    EditFieldView view;
    if (width <= 0) return view;
    const std::vector<DisplayCell> cells = displayCells(text, glyphs);
    const size_t selectionFirst = cellsBeforeUnit(cells, selection.location);
    const size_t caret = cellsBeforeUnit(cells, selection.location + selection.length);

    const bool fits = widthOf(cells, 0, cells.size()) < width;
    const size_t first = fits || !focused ? 0 : firstShownCell(cells, caret, width);
    const std::vector<DisplayCell> leftMark = displayCells(glyphs.cutLeft, glyphs);
    const std::vector<DisplayCell> rightMark = displayCells(glyphs.cutRight, glyphs);

    int column = 0;
    if (first > 0) {
        view.cells.insert(view.cells.end(), leftMark.begin(), leftMark.end());
        column = displayWidth(leftMark);
    }
    const int markWidth = displayWidth(rightMark);
    for (size_t index = first; index < cells.size(); ++index) {
        const bool last = index + 1 == cells.size();
        const int reserve = last ? 0 : markWidth;
        if (column + cells[index].width + reserve > width) {
            view.cells.insert(view.cells.end(), rightMark.begin(), rightMark.end());
            column += markWidth;
            break;
        }
        if (index == selectionFirst) view.selectionStart = column;
        if (index == caret) view.caretColumn = column;
        view.cells.push_back(cells[index]);
        column += cells[index].width;
        if (index + 1 == caret) view.caretColumn = column;
        if (index + 1 == caret) view.selectionEnd = column;
    }
    if (caret == 0) view.caretColumn = first > 0 ? displayWidth(leftMark) : 0;
    if (selection.length == 0 || !focused) view.selectionStart = view.selectionEnd = 0;
    view.caretColumn = std::min(view.caretColumn, width - 1);
    return view;
}

}  // namespace host
