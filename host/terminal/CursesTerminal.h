// The terminal through ncurses: draws the dialog's screen and reads keys,
// function keys and arrows decoded by the terminal's description. Printing
// characters that arrive together (a paste in a terminal without bracketed
// paste) come as one key; a bracketed paste comes whole, marked as pasted.
#pragma once

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

#include "host/terminal/Terminal.h"

struct screen;

namespace host {

class CursesTerminal : public Terminal {
public:
    // Takes over the terminal on standard input and output, or the
    // controlling terminal (/dev/tty) for a standard output that is not one,
    // so that the dialog's results can go to a pipe. `bracketedPaste` asks
    // the terminal to mark pastes. Throws UsageError when there is no
    // terminal that ncurses can drive.
    explicit CursesTerminal(bool bracketedPaste);
    ~CursesTerminal() override;
    CursesTerminal(const CursesTerminal&) = delete;
    CursesTerminal& operator=(const CursesTerminal&) = delete;

    ScreenSize size() const override;
    void show(const Canvas& canvas) override;
    Key readKey() override;

private:
    // Gives the terminal back and throws UsageError when it cannot address
    // the cursor.
    void refuseTerminalWithoutCursorAddressing();
    Key decode(int status, wint_t character);
    // Whether reads wait for input (true) or answer at once.
    void setWaiting(bool wait);
    // As ncurses' wget_wch, which after a byte that is not in the locale's
    // encoding goes on swallowing every key: such a byte is dropped here and
    // reading goes on. OK with a character, KEY_CODE_YES with a key code,
    // ERR when nothing is waiting (or input ended).
    int nextCharacter(wint_t& character);
    // The key that is waiting, without waiting for one.
    std::optional<Key> readWaiting();
    Key readBlocking();
    // Waits until input comes (true) or the terminal's size changes (false).
    bool waitForInput();
    // Compares the terminal's size with the screen's, and resizes the
    // screen when they differ.
    bool sizeChanged();
    Key readPaste();
    // Reads away the rest of an escape sequence that ncurses did not
    // decode; false when the Escape came alone.
    bool skipUnknownSequence();
    // Printing characters that are already waiting, joined to `first`.
    Key joinWaitingCharacters(Key first);

    screen* screen_ = nullptr;
    FILE* terminalFile_ = nullptr;  // /dev/tty when opened for the dialog
    FILE* output_ = nullptr;
    int inputDescriptor_ = -1;
    bool bracketedPaste_ = false;
    std::optional<Key> pending_;
    bool waiting_ = true;
    std::string undecoded_;                // bytes read after a dropped one, to decode again
    std::optional<ScreenSize> shownSize_;  // the size the last screen was painted for
};

}  // namespace host
