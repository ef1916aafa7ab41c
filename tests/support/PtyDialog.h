// The built print-dialog running in an 80 by 24 pseudo-terminal, as a
// person would use it: keys go in as the terminal sends them, and every
// screen it shows comes back through its hidden screen dump. All waiting is
// for something to arrive, up to a deadline; nothing sleeps.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/ScreenFrame.h"

// Keys as an xterm sends them.
namespace keys {
inline constexpr const char* tab = "\t";
inline constexpr const char* enter = "\r";
inline constexpr const char* space = " ";
inline constexpr const char* escape = "\033";
inline constexpr const char* down = "\033OB";
inline constexpr const char* left = "\033OD";
inline constexpr const char* right = "\033OC";
inline constexpr const char* home = "\033OH";
inline constexpr const char* end = "\033OF";
inline constexpr const char* backspace = "\177";
inline constexpr const char* clearField = "\025";  // Ctrl-U
inline constexpr const char* f4 = "\033OS";
inline constexpr const char* f5 = "\033[15~";
inline constexpr const char* deleteKey = "\033[3~";
inline constexpr const char* f10 = "\033[21~";
inline constexpr const char* pasteBegin = "\033[200~";
inline constexpr const char* pasteEnd = "\033[201~";
}  // namespace keys

class PtyDialog {
public:
    struct Setup {
        std::vector<std::string> arguments;              // after the program's name
        std::map<std::string, std::string> environment;  // over the test's; TERM=xterm and a UTF-8 locale unless given
    };

    explicit PtyDialog(const Setup& setup);
    ~PtyDialog();
    PtyDialog(const PtyDialog&) = delete;
    PtyDialog& operator=(const PtyDialog&) = delete;

    void send(std::string_view bytes);
    // Sends `bytes` and waits for the screen that the key leads to (the
    // next one shown).
    ScreenFrame press(std::string_view bytes);
    // Waits for a screen that `wanted` accepts, seeing every screen shown
    // on the way; throws std::runtime_error naming `what` and showing the
    // last screen when none comes in time.
    ScreenFrame waitFor(const std::function<bool(const ScreenFrame&)>& wanted, const std::string& what);
    ScreenFrame waitForText(const std::string& text);
    // Presses `bytes` until `wanted` holds, at most `presses` times.
    ScreenFrame pressUntil(std::string_view bytes, const std::function<bool(const ScreenFrame&)>& wanted,
                           const std::string& what, int presses = 40);
    void resize(int rows, int columns);
    // Tabs until the cursor stands on the row showing `text`.
    ScreenFrame tabTo(const std::string& text);
    // Tabs to the retention check box and switches it on.
    ScreenFrame switchRetentionOn();

    // Waits for the program to end; its exit status.
    int waitForExit();
    // Presses Escape and waits for the program to end; its exit status.
    int cancel() {
        send(keys::escape);
        return waitForExit();
    }
    // Everything the program wrote to the terminal.
    const std::string& output() const { return output_; }

private:
    // Reads what arrives before the deadline; false when nothing more can come.
    bool pump(std::chrono::steady_clock::time_point deadline);

    pid_t child_ = -1;
    int master_ = -1;
    int dumpRead_ = -1;
    std::string output_;
    std::string dumpBuffer_;
    ScreenFrame latest_;
    int exitStatus_ = -1;
};
