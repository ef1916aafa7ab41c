#include "host/terminal/AlertBox.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/Terminal.h"

namespace host {

namespace {

constexpr int kWidestBox = 60;

std::vector<std::string> buttonsOf(const platform::AlertRequest& alert) {
    std::vector<std::string> buttons;
    for (const std::string* title : {&alert.defaultButton, &alert.alternateButton, &alert.otherButton})
        if (!title->empty()) buttons.push_back("[ " + *title + " ]");
    if (buttons.empty()) buttons.push_back("[ OK ]");
    return buttons;
}

bool dismisses(const Key& key) {
    return key.code == KeyCode::enter || key.code == KeyCode::escape || key.isSpace() ||
           key.code == KeyCode::endOfInput;
}

}  // namespace

void paintAlertBox(Canvas& canvas, const platform::AlertRequest& alert) {
    const Glyphs& glyphs = canvas.glyphs();
    const int inner = std::min(kWidestBox, canvas.columns()) - 4;
    const std::vector<std::string> lines = wrapWords(alert.message, inner, glyphs);
    const std::vector<std::string> buttons = buttonsOf(alert);
    int buttonsWidth = -1;
    for (const std::string& button : buttons)
        buttonsWidth += displayWidth(button, glyphs) + 1;
    int textWidth = std::max(buttonsWidth, displayWidth(alert.title, glyphs));
    for (const std::string& line : lines)
        textWidth = std::max(textWidth, displayWidth(line, glyphs));

    const int width = std::min(textWidth, inner) + 4;
    const int titleRows = alert.title.empty() ? 0 : 2;
    const int height = titleRows + static_cast<int>(lines.size()) + 4;
    const int top = std::max((canvas.rows() - height) / 2, 0);
    const int left = std::max((canvas.columns() - width) / 2, 0);
    canvas.box(top, left, width, height, style::bold);

    int row = top + 1;
    if (!alert.title.empty()) {
        canvas.write(row, left + 2, alert.title, style::bold, width - 4);
        row += 2;
    }
    for (const std::string& line : lines)
        canvas.write(row++, left + 2, line, style::plain, width - 4);
    int column = left + (width - buttonsWidth) / 2;
    ++row;
    for (size_t index = 0; index < buttons.size(); ++index) {
        const bool isDefault = index == 0;
        const int used =
            canvas.write(row, column, buttons[index], isDefault ? style::reverse : style::plain, width - 4);
        if (isDefault) canvas.placeCursor(row, column + 2);
        column += used + 1;
    }
}

void runAlertBox(Terminal& terminal, const BackgroundPainter& background, const platform::AlertRequest& alert) {
    for (;;) {
        Canvas canvas = background();
        paintAlertBox(canvas, alert);
        terminal.show(canvas);
        if (dismisses(terminal.readKey())) return;
    }
}

AlertBoxPresenter::AlertBoxPresenter(Terminal& terminal, BackgroundPainter background) {
    previous_ =
        platform::setAlertPresenter([&terminal, paint = std::move(background)](const platform::AlertRequest& alert) {
            runAlertBox(terminal, paint, alert);
        });
}

AlertBoxPresenter::~AlertBoxPresenter() {
    platform::setAlertPresenter(std::move(previous_));
}

}  // namespace host
