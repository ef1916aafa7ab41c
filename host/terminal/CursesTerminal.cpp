#include "host/terminal/CursesTerminal.h"

#include <curses.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cwchar>
#include <string>

#include "host/InputText.h"
#include "host/terminal/Canvas.h"

namespace host {

namespace {

constexpr int kPasteBegin = KEY_MAX + 1;
constexpr int kPasteEnd = KEY_MAX + 2;
constexpr int kEscapeDelayMilliseconds = 50;
// How long the rest of a character that began is waited for; a byte whose
// character never completes is dropped then.
constexpr int kContinuationDelayMilliseconds = 50;

constexpr int control(char letter) {
    return letter & 0x1F;
}

std::string utf8Of(wint_t character) {
    return utf8FromCodePoints(std::u32string(1, static_cast<char32_t>(character)));
}

Key keyOfCharacter(wint_t character) {
    switch (character) {
        case '\t': return Key::of(KeyCode::tab);
        case '\r':
        case '\n': return Key::of(KeyCode::enter);
        case 27: return Key::of(KeyCode::escape);
        case 127:
        case control('H'): return Key::of(KeyCode::backspace);
        case control('S'): return Key::of(KeyCode::save);
        case control('P'): return Key::of(KeyCode::print);
        case control('O'): return Key::of(KeyCode::summary);
        case control('C'): return Key::of(KeyCode::cancel);
        case control('U'): return Key::of(KeyCode::clearField);
        case control('R'): return Key::of(KeyCode::reveal);
        default: break;
    }
    if (character < 32 || (character >= 0x80 && character < 0xA0)) return Key::of(KeyCode::other);
    return Key::typed(utf8Of(character));
}

Key keyOfFunctionKey(wint_t code) {
    switch (code) {
        case KEY_BTAB: return Key::of(KeyCode::backTab);
        case KEY_UP: return Key::of(KeyCode::up);
        case KEY_DOWN: return Key::of(KeyCode::down);
        case KEY_LEFT: return Key::of(KeyCode::left);
        case KEY_RIGHT: return Key::of(KeyCode::right);
        case KEY_HOME: return Key::of(KeyCode::home);
        case KEY_END: return Key::of(KeyCode::end);
        case KEY_PPAGE: return Key::of(KeyCode::pageUp);
        case KEY_NPAGE: return Key::of(KeyCode::pageDown);
        case KEY_BACKSPACE: return Key::of(KeyCode::backspace);
        case KEY_DC: return Key::of(KeyCode::deleteKey);
        case KEY_ENTER: return Key::of(KeyCode::enter);
        case KEY_RESIZE: return Key::of(KeyCode::resize);
        default: break;
    }
    if (code == static_cast<wint_t>(KEY_F(2))) return Key::of(KeyCode::save);
    if (code == static_cast<wint_t>(KEY_F(3))) return Key::of(KeyCode::summary);
    if (code == static_cast<wint_t>(KEY_F(4))) return Key::of(KeyCode::reveal);
    if (code == static_cast<wint_t>(KEY_F(5))) return Key::of(KeyCode::jobChoices);
    if (code == static_cast<wint_t>(KEY_F(10))) return Key::of(KeyCode::print);
    return Key::of(KeyCode::other);
}

bool joinable(const Key& key) {
    return key.code == KeyCode::text && !key.pasted && !key.isSpace();
}

attr_t attributesOf(uint8_t cellStyle) {
    attr_t attributes = A_NORMAL;
    if (cellStyle & style::dim) attributes |= A_DIM;
    if (cellStyle & style::reverse) attributes |= A_REVERSE;
    if (cellStyle & style::bold) attributes |= A_BOLD;
    if (cellStyle & style::underline) attributes |= A_UNDERLINE;
    return attributes;
}

}  // namespace

CursesTerminal::CursesTerminal(bool bracketedPaste) {
    FILE* input = stdin;
    output_ = stdout;
    if (!isatty(STDOUT_FILENO) || !isatty(STDIN_FILENO)) {
        terminalFile_ = std::fopen("/dev/tty", "r+");
        if (!terminalFile_) throw UsageError("the interactive dialog needs a terminal");
        input = terminalFile_;
        output_ = terminalFile_;
    }
    inputDescriptor_ = fileno(input);
    screen_ = newterm(nullptr, output_, input);
    if (!screen_) {
        if (terminalFile_) std::fclose(terminalFile_);
        throw UsageError("the terminal type is unknown to ncurses; set TERM, or give a script");
    }
    set_term(screen_);
    refuseTerminalWithoutCursorAddressing();
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(kEscapeDelayMilliseconds);
    if (bracketedPaste) {
        bracketedPaste_ = define_key("\033[200~", kPasteBegin) == OK && define_key("\033[201~", kPasteEnd) == OK;
        if (bracketedPaste_) {
            std::fputs("\033[?2004h", output_);
            std::fflush(output_);
        }
    }
}

void CursesTerminal::refuseTerminalWithoutCursorAddressing() {
    // A terminal that cannot put the cursor where it wants (a dumb one, a
    // printing one) would get the screen as one long smear of characters.
    const char* cursorAddress = tigetstr(const_cast<char*>("cup"));
    const bool addressable = cursorAddress != nullptr && cursorAddress != reinterpret_cast<char*>(-1) &&
                             tigetflag(const_cast<char*>("hc")) <= 0;
    if (addressable) return;
    const std::string type = termname() ? termname() : "";
    endwin();
    delscreen(screen_);
    screen_ = nullptr;
    if (terminalFile_) std::fclose(terminalFile_);
    terminalFile_ = nullptr;
    throw UsageError(
        "the terminal (TERM=" + type +
        ") cannot move its cursor, so the dialog cannot be drawn on it; use another terminal, or give a script");
}

CursesTerminal::~CursesTerminal() {
    endwin();
    if (bracketedPaste_) {
        std::fputs("\033[?2004l", output_);
        std::fflush(output_);
    }
    delscreen(screen_);
    if (terminalFile_) std::fclose(terminalFile_);
}

ScreenSize CursesTerminal::size() const {
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    return ScreenSize{rows, columns};
}

void CursesTerminal::show(const Canvas& canvas) {
    // While the panel waits for the device no key is read, so a new size is
    // taken here, and the next screen painted fits it.
    sizeChanged();
    const ScreenSize screenSize = size();
    // The canvas may have been painted before a resize taken just now.
    shownSize_ = ScreenSize{canvas.rows(), canvas.columns()};
    for (int row = 0; row < canvas.rows() && row < screenSize.rows; ++row) {
        for (int column = 0; column < canvas.columns() && column < screenSize.columns; ++column) {
            const CanvasCell& cell = canvas.at(row, column);
            if (cell.continuation) continue;
            std::wstring glyph(cell.glyph.begin(), cell.glyph.end());
            cchar_t character;
            setcchar(&character, glyph.c_str(), attributesOf(cell.style), 0, nullptr);
            // The bottom right cell answers an error, as the cursor cannot
            // go past it, but is written all the same.
            mvwadd_wch(stdscr, row, column, &character);
        }
    }
    const CursorPlace& cursor = canvas.cursor();
    curs_set(cursor.visible ? 1 : 0);
    wmove(stdscr, cursor.row, cursor.column);
    wnoutrefresh(stdscr);
    doupdate();
}

Key CursesTerminal::decode(int status, wint_t character) {
    if (status == KEY_CODE_YES) {
        if (character == static_cast<wint_t>(kPasteBegin) && bracketedPaste_) return readPaste();
        return keyOfFunctionKey(character);
    }
    if (character == 27 && skipUnknownSequence()) return Key::of(KeyCode::other);
    return keyOfCharacter(character);
}

void CursesTerminal::setWaiting(bool wait) {
    waiting_ = wait;
    wtimeout(stdscr, wait ? -1 : 0);
}

int CursesTerminal::nextCharacter(wint_t& character) {
    std::string bytes;
    for (;;) {
        int code = 0;
        if (!undecoded_.empty()) {
            code = static_cast<unsigned char>(undecoded_.front());
            undecoded_.erase(0, 1);
        } else {
            if (!bytes.empty()) wtimeout(stdscr, kContinuationDelayMilliseconds);
            code = wgetch(stdscr);
            if (!bytes.empty()) setWaiting(waiting_);
        }
        if (code == ERR) {
            // Nothing more, or a character left unfinished: its bytes go.
            if (bytes.empty() || !waiting_) return ERR;
            bytes.clear();
            continue;
        }
        if (code > 0xFF) {
            character = static_cast<wint_t>(code);
            return KEY_CODE_YES;
        }
        bytes.push_back(static_cast<char>(code));
        std::mbstate_t state{};
        wchar_t wide = 0;
        const size_t length = std::mbrtowc(&wide, bytes.data(), bytes.size(), &state);
        if (length == static_cast<size_t>(-2)) continue;
        if (length == static_cast<size_t>(-1)) {
            // The first byte begins no character: it is dropped, and the
            // bytes after it are read again, as they may begin one.
            undecoded_.insert(0, bytes, 1);
            bytes.clear();
            continue;
        }
        character = static_cast<wint_t>(wide);
        return OK;
    }
}

std::optional<Key> CursesTerminal::readWaiting() {
    setWaiting(false);
    wint_t character = 0;
    const int status = nextCharacter(character);
    setWaiting(true);
    if (status == ERR) return std::nullopt;
    return decode(status, character);
}

Key CursesTerminal::readBlocking() {
    setWaiting(true);
    wint_t character = 0;
    const int status = nextCharacter(character);
    if (status == ERR) return Key::of(KeyCode::endOfInput);
    return decode(status, character);
}

bool CursesTerminal::sizeChanged() {
    winsize size{};
    if (ioctl(inputDescriptor_, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) return false;
    const ScreenSize now = this->size();
    if (size.ws_row == now.rows && size.ws_col == now.columns) return false;
    resizeterm(size.ws_row, size.ws_col);
    return true;
}

bool CursesTerminal::waitForInput() {
    // ncurses learns of a new size only when SIGWINCH interrupts its read;
    // one that comes while the dialog draws would go unnoticed until the
    // next key. So the wait lets the signal in only while it waits
    // (ppoll), and the size is compared before and after.
    sigset_t windowChange;
    sigset_t previous;
    sigemptyset(&windowChange);
    sigaddset(&windowChange, SIGWINCH);
    pthread_sigmask(SIG_BLOCK, &windowChange, &previous);
    bool input = false;
    while (!input && !sizeChanged()) {
        pollfd watched{inputDescriptor_, POLLIN, 0};
        input = ppoll(&watched, 1, nullptr, &previous) > 0;
        if (!input && errno != EINTR) input = true;  // let the read report what is wrong
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return input;
}

bool CursesTerminal::skipUnknownSequence() {
    // An Escape on its own comes alone; one with more bytes right behind it
    // begins a key that the terminal's description does not know, and must
    // not cancel the dialog.
    setWaiting(false);
    wint_t character = 0;
    bool skipped = false;
    while (nextCharacter(character) == OK) {
        skipped = true;
        const bool final =
            (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z') || character == '~';
        if (final) break;
    }
    setWaiting(true);
    return skipped;
}

Key CursesTerminal::readPaste() {
    setWaiting(true);
    std::string text;
    for (;;) {
        wint_t character = 0;
        const int status = nextCharacter(character);
        if (status == ERR || (status == KEY_CODE_YES && character == static_cast<wint_t>(kPasteEnd))) break;
        // Line breaks and other control characters of the pasted text have
        // no place in a one-line field.
        if (status == OK && character >= 32 && character != 127) text += utf8Of(character);
    }
    return Key{KeyCode::text, text, true};
}

Key CursesTerminal::joinWaitingCharacters(Key first) {
    for (;;) {
        std::optional<Key> next = readWaiting();
        if (!next) return first;
        if (!joinable(*next)) {
            // A key of no use ends the run and is dropped.
            if (next->code != KeyCode::other) pending_ = std::move(next);
            return first;
        }
        first.text += next->text;
    }
}

Key CursesTerminal::readKey() {
    if (pending_) {
        Key key = std::move(*pending_);
        pending_.reset();
        return key;
    }
    // A size taken while the last screen was shown leaves that screen
    // painted for the old one.
    if (shownSize_ && size() != *shownSize_) return Key::of(KeyCode::resize);
    for (;;) {
        std::optional<Key> waiting = readWaiting();
        if (!waiting) {
            if (!waitForInput()) return Key::of(KeyCode::resize);
            waiting = readBlocking();
        }
        // ncurses reports a resize that the last screen shown already fits
        // (it was taken while the panel waited); that one needs no redraw.
        if (waiting->code == KeyCode::resize && shownSize_ && size() == *shownSize_) continue;
        return joinable(*waiting) ? joinWaitingCharacters(std::move(*waiting)) : *waiting;
    }
}

}  // namespace host
