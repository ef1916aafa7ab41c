// The print dialog in the terminal: draws the panel's view with the tab
// bar, the summary pane, a status line and the key bar, and turns the
// user's keys into the user's operations on the controls (through the same
// operations that the scripted dialog uses) and into the dialog's own
// calls on the panel: save, print, cancel. Its own job choices (copies,
// pages, two-sided) are kept in a box over the panel; a print with choices
// that cannot be sent is refused with a message and the box opened.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "host/terminal/Canvas.h"
#include "host/terminal/DialogFocus.h"
#include "host/terminal/JobChoicesBox.h"
#include "host/terminal/PopUpList.h"
#include "platform/controls/TextFields.h"
#include "platform/controls/UserResult.h"

class NSPopUpButton;
class NSView;
class PDEPanel;

namespace host {

class Terminal;
struct Glyphs;
struct HostTexts;
struct Key;

enum class DialogOutcome { printed, cancelled };

class TerminalDialog {
public:
    struct Parts {
        PDEPanel& panel;
        NSView& view;
        Terminal& terminal;
        const Glyphs& glyphs;
        const HostTexts& texts;
        std::string title;
        JobChoices& jobChoices;
    };

    explicit TerminalDialog(Parts parts);

    // Runs until the user prints (after the panel's shouldPrint) or cancels.
    DialogOutcome run();
    // The whole screen as it stands, for the terminal's size.
    Canvas paintScreen() const;

private:
    bool screenTooSmall() const;
    std::optional<DialogOutcome> handle(const Key& key);
    void handleOpenMenu(const Key& key);
    void handleJobChoicesBox(const Key& key);
    // Whether the job choices can be sent; if not, says why and opens the box.
    bool jobChoicesAccepted();
    void operateFocused(const Key& key);
    void operateButtonLike(NSControl& control, const Key& key);
    void operateField(NSTextField& field, const Key& key);
    // Runs an edit of the field under the cursor; later typing goes on at
    // its caret.
    void editField(const std::function<platform::UserResult()>& edit);
    void moveCaret(NSTextField& field, NSTextField::CaretMove move);
    // Shows the secret field under the cursor in clear, or masks it again.
    void toggleReveal();
    void openMenu(NSPopUpButton& popUp);
    void switchTab(int direction);
    // Runs a user operation with the screen kept alive while it waits.
    platform::UserResult operate(const std::function<platform::UserResult()>& operation);
    void report(platform::UserResult result);
    void tick();
    std::string hint() const;
    void paintTooSmall(Canvas& canvas) const;

    Parts parts_;
    DialogFocus focus_;
    std::optional<PopUpList> menu_;
    std::optional<JobChoicesBox> jobChoicesBox_;
    NSPopUpButton* menuButton_ = nullptr;
    const NSTextField* revealed_ = nullptr;
    bool showSummary_ = false;
    std::string status_;
    size_t spinnerFrame_ = 0;
};

}  // namespace host
