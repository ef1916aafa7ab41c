#include "host/terminal/DisplayText.h"

#include <wchar.h>

#include "host/terminal/Glyphs.h"
#include "platform/text/Utf16.h"

namespace host {

namespace {

constexpr char32_t kBullet = 0x2022;
constexpr std::size_t kMostCombiningMarks = 4;

std::u32string codePointsOf(std::string_view text) {
    const std::u16string units = platform::utf16FromUtf8(std::string(text));
    std::u32string points;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                          units[i + 1] <= 0xDFFF;
        if (pair) {
            points.push_back(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            points.push_back(unit);
        }
    }
    return points;
}

std::size_t unitsOf(char32_t point) {
    return point >= 0x10000 ? 2 : 1;
}

void appendCellsOf(std::string_view glyph, std::vector<DisplayCell>& cells, std::size_t units) {
    const std::u32string points = codePointsOf(glyph);
    if (points.empty()) return;
    const int width = ::wcwidth(static_cast<wchar_t>(points.front()));
    cells.push_back(DisplayCell{points, width == 2 ? 2 : 1, units});
}

}  // namespace

std::vector<DisplayCell> displayCells(std::string_view text, const Glyphs& glyphs) {
    std::vector<DisplayCell> cells;
    for (const char32_t point : codePointsOf(text)) {
        if (point == kBullet && glyphs.ascii) {
            appendCellsOf(glyphs.bullet, cells, 1);
            continue;
        }
        const int width = point == 0xFFFD ? -1 : ::wcwidth(static_cast<wchar_t>(point));
        if (width == 0 && !cells.empty() && cells.back().glyph.size() <= kMostCombiningMarks) {
            cells.back().glyph.push_back(point);
            cells.back().units += unitsOf(point);
        } else if (width == 1 || width == 2) {
            cells.push_back(DisplayCell{std::u32string(1, point), width, unitsOf(point)});
        } else {
            cells.push_back(DisplayCell{U"?", 1, unitsOf(point)});
        }
    }
    return cells;
}

int displayWidth(std::string_view text, const Glyphs& glyphs) {
    return displayWidth(displayCells(text, glyphs));
}

int displayWidth(const std::vector<DisplayCell>& cells) {
    int width = 0;
    for (const DisplayCell& cell : cells)
        width += cell.width;
    return width;
}

std::size_t cellsBeforeUnit(const std::vector<DisplayCell>& cells, std::size_t units) {
    std::size_t covered = 0;
    std::size_t count = 0;
    while (count < cells.size() && covered + cells[count].units <= units)
        covered += cells[count++].units;
    return count;
}

std::vector<std::string> wrapWords(const std::string& text, int width, const Glyphs& glyphs) {
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        const std::string joined = line.empty() ? word : line + " " + word;
        if (!line.empty() && displayWidth(joined, glyphs) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = joined;
        }
        start = end + 1;
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
    return lines;
}

std::string utf8FromCodePoints(const std::u32string& codePoints) {
    std::string text;
    for (const char32_t point : codePoints) {
        if (point < 0x80) {
            text += static_cast<char>(point);
        } else if (point < 0x800) {
            text += static_cast<char>(0xC0 | (point >> 6));
            text += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            text += static_cast<char>(0xE0 | (point >> 12));
            text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (point >> 18));
            text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (point & 0x3F));
        }
    }
    return text;
}

}  // namespace host
