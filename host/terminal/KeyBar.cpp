#include "host/terminal/KeyBar.h"

#include <string>
#include <utility>
#include <vector>

#include "host/terminal/Canvas.h"
#include "host/terminal/DisplayText.h"
#include "host/terminal/HostTexts.h"
#include "host/terminal/Terminal.h"

namespace host {

void paintKeyBar(Canvas& canvas, const HostTexts& texts) {
    using namespace screen_layout;
    const std::vector<std::pair<std::string, std::string>> entries = {
        {texts.saveKey, texts.save},     {texts.summaryKey, texts.summary},
        {texts.revealKey, texts.reveal}, {texts.jobChoicesKey, texts.jobChoices},
        {texts.printKey, texts.print},   {texts.cancelKey, texts.cancel},
        {texts.moveKey, texts.move},
    };
    canvas.fill(kKeyBarRow, 0, kColumns, " ", style::plain);
    // Two blanks between entries, one where a language's words need the room.
    int widest = 0;
    for (const auto& [key, action] : entries)
        widest += displayWidth(key + " " + action, canvas.glyphs()) + 2;
    const int gap = widest - 2 > kColumns ? 1 : 2;
    int column = 0;
    for (const auto& [key, action] : entries) {
        if (column >= kColumns) break;
        column += canvas.write(kKeyBarRow, column, key + " ", style::bold, kColumns - column);
        column += canvas.write(kKeyBarRow, column, action, style::reverse, kColumns - column);
        column += gap;
    }
}

}  // namespace host
