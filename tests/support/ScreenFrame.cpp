#include "tests/support/ScreenFrame.h"

#include <sstream>
#include <string>

namespace {

// The columns that UTF-8 `text` takes: one a character, two for those
// outside the Basic Multilingual Plane (the padlocks, the only wide
// characters the dialog draws).
int columnsOf(std::string_view text) {
    int columns = 0;
    for (const char byte : text) {
        const auto unit = static_cast<unsigned char>(byte);
        if ((unit & 0xC0) != 0x80) columns += unit >= 0xF0 ? 2 : 1;
    }
    return columns;
}

}  // namespace

int ScreenFrame::rowOf(std::string_view needle) const {
    for (size_t row = 0; row < text.size(); ++row)
        if (text[row].find(needle) != std::string::npos) return static_cast<int>(row);
    return -1;
}

int ScreenFrame::columnOf(int row, std::string_view needle) const {
    if (row < 0 || row >= static_cast<int>(text.size())) return -1;
    const size_t at = text[static_cast<size_t>(row)].find(needle);
    if (at == std::string::npos) return -1;
    return columnsOf(std::string_view(text[static_cast<size_t>(row)]).substr(0, at));
}

uint8_t ScreenFrame::styleAt(int row, int column) const {
    const bool inside = row >= 0 && row < static_cast<int>(styles.size()) && column >= 0 &&
                        column < static_cast<int>(styles[static_cast<size_t>(row)].size());
    return inside ? static_cast<uint8_t>(
                        std::stoi(styles[static_cast<size_t>(row)].substr(static_cast<size_t>(column), 1), nullptr, 16))
                  : 0;
}

std::string ScreenFrame::flowingText() const {
    std::string flowing;
    for (const std::string& line : text) {
        const size_t end = line.find_last_not_of(' ');
        if (end == std::string::npos) continue;
        if (!flowing.empty()) flowing += ' ';
        flowing += line.substr(0, end + 1);
    }
    return flowing;
}

std::string ScreenFrame::picture() const {
    std::string picture = "cursor " + std::to_string(cursorRow) + "," + std::to_string(cursorColumn) +
                          (cursorVisible ? "" : " (hidden)") + "\n";
    for (const std::string& line : text)
        picture += "|" + line + "\n";
    return picture;
}

std::optional<ScreenFrame> takeFrame(std::string& buffer) {
    const size_t end = buffer.find("\nend\n");
    if (end == std::string::npos) return std::nullopt;
    std::istringstream record(buffer.substr(0, end + 1));
    buffer.erase(0, end + 5);
    ScreenFrame frame;
    std::string word;
    record >> word >> frame.rows >> frame.columns >> word >> frame.cursorRow >> frame.cursorColumn >>
        frame.cursorVisible;
    record.ignore(1);
    for (std::string line; std::getline(record, line);) {
        if (line.rfind("text ", 0) == 0)
            frame.text.push_back(line.substr(5));
        else if (line.rfind("style ", 0) == 0)
            frame.styles.push_back(line.substr(6));
    }
    return frame;
}
