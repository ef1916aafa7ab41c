// What of an edit field's text fits in its width: with the cursor in it,
// the part around the caret; otherwise the beginning. A cut at either end
// is marked.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/terminal/DisplayText.h"
#include "platform/controls/TextFields.h"

namespace host {

struct Glyphs;

struct EditFieldView {
    std::vector<DisplayCell> cells;  // what to draw, marks included
    int caretColumn = 0;             // from the field's left edge
    int selectionStart = 0;          // columns of the selection, shown reversed
    int selectionEnd = 0;
};

// `selection` is in UTF-16 code units; `focused` says whether the cursor is
// in the field, so that the caret must be seen.
EditFieldView viewOfField(const std::string& text, NSRange selection, bool focused, int width, const Glyphs& glyphs);

}  // namespace host
