// What the dialog needs of a terminal (its size, showing a drawn screen and
// the next key), the keys as the dialog understands them, and where the
// parts of the dialog lie on its 80 by 24 screen.
#pragma once

#include <string>

namespace host {

// A key the user pressed, as the dialog understands it.
enum class KeyCode {
    text,  // printing characters, or a paste: `text` holds them
    tab,
    backTab,
    enter,
    escape,
    up,
    down,
    left,
    right,
    home,
    end,
    pageUp,
    pageDown,
    backspace,
    deleteKey,
    clearField,  // empties the field, as the script's `erase` does
    reveal,      // shows or hides the text of a secret field
    save,
    jobChoices,  // opens or closes the box of copies, pages and two-sided
    print,
    cancel,
    summary,
    resize,
    other,       // a key the dialog has no use for
    endOfInput,  // the terminal went away
};

struct Key {
    KeyCode code = KeyCode::other;
    std::string text;  // UTF-8, for KeyCode::text
    bool pasted = false;

    static Key of(KeyCode code) { return Key{code, {}, false}; }
    static Key typed(std::string text) { return Key{KeyCode::text, std::move(text), false}; }
    bool isSpace() const { return code == KeyCode::text && text == " "; }
};

class Canvas;

struct ScreenSize {
    int rows = 0;
    int columns = 0;
    bool operator==(const ScreenSize&) const = default;
};

// What the dialog needs of a terminal: its size, showing a drawn screen,
// and the next key. The ncurses terminal is one; tests bring their own.
class Terminal {
public:
    virtual ~Terminal() = default;

    virtual ScreenSize size() const = 0;
    // Puts `canvas` on the screen, with its cursor.
    virtual void show(const Canvas& canvas) = 0;
    // Waits for the next key.
    virtual Key readKey() = 0;
};

namespace screen_layout {

// Where the parts of the dialog lie on its 80 by 24 screen.
inline constexpr int kRows = 24;
inline constexpr int kColumns = 80;

inline constexpr int kTitleRow = 0;
inline constexpr int kTabBarRow = 1;
inline constexpr int kRuleRow = 2;
// The layout's row 0, column 0 of the shown tab.
inline constexpr int kPanelTop = 3;
inline constexpr int kPanelLeft = 1;
// The panel's columns in layout units: boxes reach to its right edge.
inline constexpr int kPanelWidth = 57;
inline constexpr int kPanelBottom = 21;  // the last screen row the panel may use

inline constexpr int kSummaryLeft = 59;
inline constexpr int kSummaryTop = 2;
inline constexpr int kSummaryBottom = 21;

inline constexpr int kStatusRow = 22;
inline constexpr int kKeyBarRow = 23;

}  // namespace screen_layout

}  // namespace host
