#include "host/terminal/SummaryPane.h"

#include <vector>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/HostTexts.h"
#include "host/terminal/ScreenLayout.h"

using namespace screen_layout;

namespace {

constexpr int kPaneWidth = kColumns - kSummaryLeft;
constexpr int kInnerWidth = kPaneWidth - 2;

void paintFrame(Canvas& canvas, const std::string& title) {
    const Glyphs& glyphs = canvas.glyphs();
    const int right = kColumns - 1;
    canvas.write(kSummaryTop, kSummaryLeft, glyphs.topLeft, style::plain);
    canvas.fill(kSummaryTop, kSummaryLeft + 1, kPaneWidth - 2, glyphs.horizontal, style::plain);
    canvas.write(kSummaryTop, right, glyphs.topRight, style::plain);
    canvas.write(kSummaryTop, kSummaryLeft + 2, " " + title + " ", style::bold, kPaneWidth - 4);
    for (int row = kSummaryTop + 1; row < kSummaryBottom; ++row) {
        canvas.write(row, kSummaryLeft, glyphs.vertical, style::plain);
        canvas.fill(row, kSummaryLeft + 1, kInnerWidth, " ", style::plain);
        canvas.write(row, right, glyphs.vertical, style::plain);
    }
    canvas.write(kSummaryBottom, kSummaryLeft, glyphs.bottomLeft, style::plain);
    canvas.fill(kSummaryBottom, kSummaryLeft + 1, kPaneWidth - 2, glyphs.horizontal, style::plain);
    canvas.write(kSummaryBottom, right, glyphs.bottomRight, style::plain);
}

// `text` cut into lines of at most `width` columns.
std::vector<std::vector<DisplayCell>> wrapped(const std::string& text, int width, const Glyphs& glyphs) {
    std::vector<std::vector<DisplayCell>> lines(1);
    int used = 0;
    for (const DisplayCell& cell : displayCells(text, glyphs)) {
        if (used + cell.width > width) {
            lines.emplace_back();
            used = 0;
        }
        lines.back().push_back(cell);
        used += cell.width;
    }
    return lines;
}

}  // namespace

void paintSummaryPane(Canvas& canvas, const std::map<std::string, std::string>& summary, const HostTexts& texts) {
    paintFrame(canvas, texts.summaryTitle);
    const int left = kSummaryLeft + 1;
    int row = kSummaryTop + 1;
    if (summary.empty()) {
        canvas.write(row, left, texts.summaryEmpty, style::dim, kInnerWidth);
        return;
    }
    for (const auto& [title, value] : summary) {
        if (row >= kSummaryBottom) break;
        canvas.write(row++, left, title, style::bold, kInnerWidth);
        for (const auto& line : wrapped(value, kInnerWidth - 2, canvas.glyphs())) {
            if (row >= kSummaryBottom) break;
            canvas.write(row++, left + 2, line, style::plain, kInnerWidth - 2);
        }
    }
}
