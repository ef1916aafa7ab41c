// A key the user pressed, as the dialog understands it.
#pragma once

#include <string>

namespace host {

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

}  // namespace host
