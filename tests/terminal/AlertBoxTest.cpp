// The alert as a modal box: installed as the platform's presenter, it shows
// over the dialog's screen and holds every key but the ones that dismiss it.
#include <gtest/gtest.h>

#include <clocale>
#include <deque>

#include "host/terminal/AlertBox.h"
#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/Terminal.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

// A terminal of a set size that answers keys from a list and keeps every
// screen shown.
class FakeTerminal : public Terminal {
public:
    ScreenSize size() const override { return size_; }
    void show(const Canvas& canvas) override { shown.push_back(canvas); }
    Key readKey() override {
        if (keys.empty()) return Key::of(KeyCode::endOfInput);
        Key key = keys.front();
        keys.pop_front();
        if (key.code == KeyCode::resize) size_ = ScreenSize{30, 100};
        return key;
    }

    std::deque<Key> keys;
    std::vector<Canvas> shown;

private:
    ScreenSize size_{24, 80};
};

std::string screenText(const Canvas& canvas) {
    std::string text;
    for (int row = 0; row < canvas.rows(); ++row) text += canvas.rowText(row) + "\n";
    return text;
}

class AlertBoxTest : public testing::Test {
protected:
    ScopedLocale locale{LC_CTYPE, "C.UTF-8"};
    Glyphs glyphs = asciiGlyphs();
    FakeTerminal terminal;

    BackgroundPainter background() {
        return [this] {
            const ScreenSize size = terminal.size();
            Canvas canvas(size.rows, size.columns, glyphs);
            canvas.write(0, 0, "Job Handling", 0);
            canvas.write(size.rows - 1, 0, "F2 Save", 0);
            return canvas;
        };
    }
};

}  // namespace

TEST_F(AlertBoxTest, ShowsTheMessageOverTheDialogUntilDismissed) {
    terminal.keys = {Key::typed("x"), Key::of(KeyCode::tab), Key::of(KeyCode::print), Key::of(KeyCode::enter),
                     Key::typed("after")};
    int answer = 0;
    {
        const AlertBoxPresenter presenter(terminal, background());
        answer = NSRunInformationalAlertPanel("", "Could not retrieve Folder Names.", "OK");
    }
    EXPECT_EQ(answer, NSAlertDefaultReturn);
    ASSERT_EQ(terminal.shown.size(), 4u) << "one screen, then one for each key it held back";
    EXPECT_EQ(terminal.keys.size(), 1u) << "the key after the dismissal is left for the dialog";

    const Canvas& screen = terminal.shown.back();
    const std::string text = screenText(screen);
    EXPECT_NE(text.find("| Could not retrieve Folder Names. |"), std::string::npos) << text;
    EXPECT_NE(text.find("Job Handling"), std::string::npos) << "the dialog stays visible around the box\n" << text;
    EXPECT_NE(text.find("F2 Save"), std::string::npos) << text;
    // The cursor is on the button, which is the one lit.
    const int buttonRow = screen.cursor().row;
    EXPECT_NE(screen.rowText(buttonRow).find("[ OK ]"), std::string::npos);
    EXPECT_NE(screen.at(buttonRow, screen.cursor().column).style & style::reverse, 0);

    // Escape and Space dismiss it too.
    const AlertBoxPresenter presenter(terminal, background());
    terminal.keys = {Key::of(KeyCode::escape), Key::typed(" ")};
    NSRunInformationalAlertPanel("", "One", "OK");
    NSRunInformationalAlertPanel("", "Two", "OK");
    EXPECT_EQ(terminal.shown.size(), 6u);
    EXPECT_TRUE(terminal.keys.empty());
}

TEST_F(AlertBoxTest, ALongMessageIsWrappedAndTheBoxFollowsTheTerminalsSize) {
    const AlertBoxPresenter presenter(terminal, background());
    const std::string message =
        "The device at the address that was typed did not answer the request for its folder list in time, "
        "so the menu keeps the folders it had.";
    terminal.keys = {Key::of(KeyCode::resize), Key::of(KeyCode::enter)};
    NSRunInformationalAlertPanel("Folders", message, "OK", "Retry");
    ASSERT_EQ(terminal.shown.size(), 2u);
    for (const Canvas& screen : terminal.shown) {
        const std::string text = screenText(screen);
        EXPECT_NE(text.find("Folders"), std::string::npos);
        EXPECT_NE(text.find("[ OK ] [ Retry ]"), std::string::npos) << text;
        EXPECT_NE(text.find("keeps the folders it had."), std::string::npos) << text;
        int widest = 0;
        for (int row = 0; row < screen.rows(); ++row)
            if (screen.rowText(row).find('|') != std::string::npos) {
                const std::string line = screen.rowText(row);
                widest = std::max(widest, static_cast<int>(line.rfind('|') - line.find('|') + 1));
            }
        EXPECT_LE(widest, 60) << text;
    }
    // Centred in the terminal it was drawn for.
    const Canvas& resized = terminal.shown.back();
    EXPECT_EQ(resized.columns(), 100);
    const int row = resized.cursor().row;
    const std::string line = resized.rowText(row);
    const int left = static_cast<int>(line.find('|'));
    const int right = static_cast<int>(line.rfind('|'));
    EXPECT_LE(std::abs(left - (99 - right)), 1) << line;
}

TEST_F(AlertBoxTest, PutsBackThePresenterItReplaced) {
    std::vector<std::string> earlier;
    const platform::AlertPresenter previous =
        platform::setAlertPresenter([&](const platform::AlertRequest& alert) { earlier.push_back(alert.message); });
    {
        const AlertBoxPresenter presenter(terminal, background());
        terminal.keys = {Key::of(KeyCode::enter)};
        NSRunInformationalAlertPanel("", "In the box", "OK");
    }
    NSRunInformationalAlertPanel("", "After it", "OK");
    EXPECT_EQ(earlier, std::vector<std::string>{"After it"});
    platform::setAlertPresenter(previous);
}
