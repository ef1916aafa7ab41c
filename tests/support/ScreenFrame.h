// One screen of the terminal dialog as its screen dump records it (see
// host/terminal/ScreenDump.h), with the questions tests ask of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScreenFrame {
    int rows = 0;
    int columns = 0;
    int cursorRow = 0;
    int cursorColumn = 0;
    bool cursorVisible = false;
    std::vector<std::string> text;    // one per row
    std::vector<std::string> styles;  // one hex digit per column

    bool contains(std::string_view needle) const { return rowOf(needle) >= 0; }
    // The first row holding `needle`, or -1.
    int rowOf(std::string_view needle) const;
    // The screen column where `needle` begins on `row`, or -1.
    int columnOf(int row, std::string_view needle) const;
    uint8_t styleAt(int row, int column) const;
    bool cursorOn(int row) const { return cursorVisible && cursorRow == row; }
    bool cursorOnRowOf(std::string_view needle) const { return contains(needle) && cursorOn(rowOf(needle)); }
    // The rows without their trailing blanks, joined by one blank: text
    // that the screen wraps reads as one line.
    std::string flowingText() const;
    // The whole screen, for a failure message.
    std::string picture() const;
};

// Takes the first complete record off the front of `buffer`, if there is one.
std::optional<ScreenFrame> takeFrame(std::string& buffer);
