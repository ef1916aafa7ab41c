#include "host/terminal/SummaryPane.h"

#include <vector>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/HostTexts.h"
#include "host/terminal/Terminal.h"

namespace host {

using namespace screen_layout;

namespace {

constexpr int kPaneWidth = kColumns - kSummaryLeft;
constexpr int kInnerWidth = kPaneWidth - 2;

// `text` in lines of at most `width` columns: broken between words, and a
// word wider than a line cut where the line ends.
std::vector<std::vector<DisplayCell>> wrapped(const std::string& text, int width, const Glyphs& glyphs) {
    std::vector<std::vector<DisplayCell>> lines;
    for (const std::string& words : wrapWords(text, width, glyphs)) {
        lines.emplace_back();
        int used = 0;
        for (const DisplayCell& cell : displayCells(words, glyphs)) {
            if (used + cell.width > width) {
                lines.emplace_back();
                used = 0;
            }
            lines.back().push_back(cell);
            used += cell.width;
        }
    }
    return lines;
}

}  // namespace

void paintSummaryPane(Canvas& canvas, const std::map<std::string, std::string>& summary, const HostTexts& texts) {
    canvas.box(kSummaryTop, kSummaryLeft, kPaneWidth, kSummaryBottom - kSummaryTop + 1, style::plain);
    canvas.write(kSummaryTop, kSummaryLeft + 2, " " + texts.summaryTitle + " ", style::bold, kPaneWidth - 4);
    const int left = kSummaryLeft + 2;
    const int width = kInnerWidth - 2;
    int row = kSummaryTop + 1;
    if (summary.empty()) {
        for (const auto& line : wrapped(texts.summaryEmpty, width, canvas.glyphs()))
            if (row < kSummaryBottom) canvas.write(row++, left, line, style::dim, width);
        return;
    }
    for (const auto& [title, value] : summary) {
        for (const auto& line : wrapped(title, width, canvas.glyphs()))
            if (row < kSummaryBottom) canvas.write(row++, left, line, style::bold, width);
        for (const auto& line : wrapped(value, width - 2, canvas.glyphs()))
            if (row < kSummaryBottom) canvas.write(row++, left + 2, line, style::plain, width - 2);
    }
}

}  // namespace host
