// The alert as a modal box: a long message is wrapped to fit.
#include <gtest/gtest.h>

#include <clocale>
#include <deque>

#include "host/terminal/AlertBox.h"
#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/Terminal.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

// An 80 by 24 terminal that answers keys from a list and keeps every
// screen shown.
class FakeTerminal : public Terminal {
public:
    ScreenSize size() const override { return {24, 80}; }
    void show(const Canvas& canvas) override { shown.push_back(canvas); }
    Key readKey() override {
        if (keys.empty()) return Key::of(KeyCode::endOfInput);
        const Key key = keys.front();
        keys.pop_front();
        return key;
    }

    std::deque<Key> keys;
    std::vector<Canvas> shown;
};

class AlertBoxTest : public testing::Test {
protected:
    ScopedLocale locale{LC_CTYPE, "C.UTF-8"};
    Glyphs glyphs = asciiGlyphs();
    FakeTerminal terminal;

    BackgroundPainter background() {
        return [this] { return Canvas(24, 80, glyphs); };
    }
};

}  // namespace

TEST_F(AlertBoxTest, ALongMessageIsWrappedIntoANarrowBox) {
    const AlertBoxPresenter presenter(terminal, background());
    const std::string message =
        "The device at the address that was typed did not answer the request for its folder list in time, "
        "so the menu keeps the folders it had.";
    terminal.keys = {Key::of(KeyCode::enter)};
    NSRunInformationalAlertPanel("Folders", message, "OK", "Retry");
    ASSERT_EQ(terminal.shown.size(), 1u);
    std::string text;
    int widest = 0;
    for (int row = 0; row < 24; ++row) {
        const std::string line = terminal.shown[0].rowText(row);
        text += line + "\n";
        if (line.find('|') != std::string::npos)
            widest = std::max(widest, static_cast<int>(line.rfind('|') - line.find('|') + 1));
    }
    EXPECT_NE(text.find("[ OK ] [ Retry ]"), std::string::npos) << text;
    EXPECT_NE(text.find("keeps the folders it had."), std::string::npos) << text;
    EXPECT_LE(widest, 60) << text;
}
