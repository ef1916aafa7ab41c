#include "host/terminal/TerminalDialog.h"

#include <chrono>
#include <functional>

#include "host/terminal/FocusChain.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/HostTexts.h"
#include "host/terminal/KeyBar.h"
#include "host/terminal/PanelPainter.h"
#include "host/terminal/SummaryPane.h"
#include "host/terminal/TabBar.h"
#include "host/terminal/Terminal.h"
#include "host/terminal/WaitTicker.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"
#include "platform/core/PrintDialogPlugIn.h"

namespace host {

using namespace screen_layout;

namespace {

constexpr std::chrono::milliseconds kSpinnerInterval{100};

bool isOperateKey(const Key& key) {
    return key.code == KeyCode::enter || key.isSpace();
}

std::string replacedPlaceholders(std::string text, const std::vector<int>& numbers) {
    for (size_t index = 0; index < numbers.size(); ++index) {
        const std::string placeholder = "{" + std::to_string(index) + "}";
        if (const size_t at = text.find(placeholder); at != std::string::npos)
            text.replace(at, placeholder.size(), std::to_string(numbers[index]));
    }
    return text;
}

}  // namespace

TerminalDialog::TerminalDialog(Parts parts) : parts_(std::move(parts)), focus_(parts_.view) {}

DialogOutcome TerminalDialog::run() {
    for (;;) {
        parts_.terminal.show(paintScreen());
        const Key key = parts_.terminal.readKey();
        if (const std::optional<DialogOutcome> outcome = handle(key)) return *outcome;
    }
}

bool TerminalDialog::screenTooSmall() const {
    const ScreenSize size = parts_.terminal.size();
    return size.rows < kRows || size.columns < kColumns;
}

std::optional<DialogOutcome> TerminalDialog::handle(const Key& key) {
    if (key.code == KeyCode::endOfInput) return DialogOutcome::cancelled;
    if (key.code == KeyCode::resize) return std::nullopt;
    if (screenTooSmall()) {
        if (key.code == KeyCode::cancel || key.code == KeyCode::escape) return DialogOutcome::cancelled;
        return std::nullopt;
    }
    status_.clear();
    if (menu_) {
        handleOpenMenu(key);
        focus_.afterOperation();
        return std::nullopt;
    }
    if (jobChoicesBox_ && key.code != KeyCode::print && key.code != KeyCode::cancel) {
        handleJobChoicesBox(key);
        return std::nullopt;
    }
    switch (key.code) {
        case KeyCode::save:
            parts_.panel.saveValuesAndReturnError(nullptr);
            status_ = parts_.texts.saved;
            break;
        case KeyCode::jobChoices: jobChoicesBox_.emplace(parts_.jobChoices); break;
        case KeyCode::print:
            if (!jobChoicesAccepted()) break;
            operate([this] {
                parts_.panel.shouldPrint();
                return platform::UserResult::done;
            });
            return DialogOutcome::printed;
        case KeyCode::cancel:
        case KeyCode::escape: return DialogOutcome::cancelled;
        case KeyCode::summary: showSummary_ = !showSummary_; break;
        case KeyCode::reveal: toggleReveal(); break;
        case KeyCode::tab: focus_.moveNext(); break;
        case KeyCode::backTab: focus_.movePrevious(); break;
        case KeyCode::pageUp: switchTab(-1); break;
        case KeyCode::pageDown: switchTab(1); break;
        default: operateFocused(key); break;
    }
    focus_.afterOperation();
    // A secret shown in clear is masked again once the cursor leaves it.
    if (revealed_ != focus_.current()) revealed_ = nullptr;
    return std::nullopt;
}

void TerminalDialog::handleJobChoicesBox(const Key& key) {
    if (jobChoicesBox_->handle(key) == JobChoicesBox::Outcome::closed && jobChoicesAccepted()) jobChoicesBox_.reset();
}

bool TerminalDialog::jobChoicesAccepted() {
    const HostTexts& texts = parts_.texts;
    const std::optional<std::string> problem =
        problemWith(parts_.jobChoices, JobChoiceTexts{texts.badCopies, texts.badPages});
    if (!problem) return true;
    status_ = *problem;
    if (!jobChoicesBox_) jobChoicesBox_.emplace(parts_.jobChoices);
    return false;
}

void TerminalDialog::toggleReveal() {
    auto* field = dynamic_cast<NSTextField*>(focus_.current());
    if (!field || !field->isSecure()) return;
    revealed_ = revealed_ == field ? nullptr : field;
}

void TerminalDialog::handleOpenMenu(const Key& key) {
    switch (menu_->handle(key)) {
        case PopUpList::Outcome::open: return;
        case PopUpList::Outcome::closed: break;
        case PopUpList::Outcome::chosen: {
            const int index = menu_->highlighted();
            NSPopUpButton* popUp = menuButton_;
            menu_.reset();
            report(operate([popUp, index] { return popUp->userSelectItemAtIndex(index); }));
            break;
        }
    }
    menu_.reset();
    menuButton_ = nullptr;
}

void TerminalDialog::operateFocused(const Key& key) {
    NSControl* control = focus_.current();
    if (!control) return;
    if (auto* field = dynamic_cast<NSTextField*>(control))
        operateField(*field, key);
    else
        operateButtonLike(*control, key);
}

void TerminalDialog::operateButtonLike(NSControl& control, const Key& key) {
    if (dynamic_cast<NSTabView*>(&control) && (key.code == KeyCode::left || key.code == KeyCode::right)) {
        switchTab(key.code == KeyCode::left ? -1 : 1);
    } else if (auto* matrix = dynamic_cast<NSMatrix*>(&control)) {
        if (key.code == KeyCode::up || key.code == KeyCode::down) focus_.moveCell(key.code == KeyCode::up ? -1 : 1);
        if (isOperateKey(key)) {
            const int row = focus_.cellRow();
            report(operate([matrix, row] { return matrix->userSelectCellAtRow(row); }));
        }
    } else if (auto* popUp = dynamic_cast<NSPopUpButton*>(&control)) {
        if (isOperateKey(key) || key.code == KeyCode::down || key.code == KeyCode::up) openMenu(*popUp);
    } else if (key.code == KeyCode::up) {
        focus_.movePrevious();
    } else if (key.code == KeyCode::down) {
        focus_.moveNext();
    } else if (auto* button = dynamic_cast<NSButton*>(&control); button && isOperateKey(key)) {
        report(operate([button] { return button->performClick(); }));
    }
}

void TerminalDialog::operateField(NSTextField& field, const Key& key) {
    switch (key.code) {
        case KeyCode::text: {
            // The first edit clicks into the field and types at its end, as
            // the scripted `type` does; later ones, and any after a caret
            // move, go on at the caret.
            const bool continuing = focus_.editing();
            editField([&] { return continuing ? field.userInsertText(key.text) : field.userTypeText(key.text); });
            break;
        }
        case KeyCode::backspace: editField([&] { return field.userDeleteBackward(); }); break;
        case KeyCode::deleteKey: editField([&] { return field.userDeleteForward(); }); break;
        case KeyCode::clearField: editField([&] { return field.userEraseAll(); }); break;
        case KeyCode::left: moveCaret(field, NSTextField::CaretMove::left); break;
        case KeyCode::right: moveCaret(field, NSTextField::CaretMove::right); break;
        case KeyCode::home: moveCaret(field, NSTextField::CaretMove::start); break;
        case KeyCode::end: moveCaret(field, NSTextField::CaretMove::end); break;
        case KeyCode::enter:
        case KeyCode::down: focus_.moveNext(); break;
        case KeyCode::up: focus_.movePrevious(); break;
        default: break;
    }
}

void TerminalDialog::editField(const std::function<platform::UserResult()>& edit) {
    report(operate(edit));
    focus_.noteEdit();
}

void TerminalDialog::moveCaret(NSTextField& field, NSTextField::CaretMove move) {
    report(field.userMoveCaret(move));
    focus_.noteEdit();
}

void TerminalDialog::openMenu(NSPopUpButton& popUp) {
    const PanelGeometry geometry(parts_.view, parts_.glyphs);
    menu_.emplace(popUp, geometry.rectOf(&popUp));
    menuButton_ = &popUp;
}

void TerminalDialog::switchTab(int direction) {
    NSTabView* tabs = parts_.view.tabView();
    if (!tabs || tabs->numberOfTabViewItems() == 0) return;
    const int count = tabs->numberOfTabViewItems();
    const int index = ((tabs->indexOfSelectedTabViewItem() + direction) % count + count) % count;
    report(operate([tabs, index] { return tabs->userSelectTabViewItemAtIndex(index); }));
    if (canTakeCursor(*tabs)) focus_.moveTo(tabs);
}

platform::UserResult TerminalDialog::operate(const std::function<platform::UserResult()>& operation) {
    const std::unique_ptr<WaitTicker> ticker = WaitTicker::start(kSpinnerInterval, [this] { tick(); });
    return operation();
}

void TerminalDialog::tick() {
    bool spinning = false;
    for (const NSControl* control : parts_.view.controls())
        if (const auto* progress = dynamic_cast<const NSProgressIndicator*>(control))
            spinning = spinning || (progress->isAnimating() && !progress->isHidden());
    if (!spinning) return;
    ++spinnerFrame_;
    parts_.terminal.show(paintScreen());
}

void TerminalDialog::report(platform::UserResult result) {
    switch (result) {
        case platform::UserResult::done: return;
        case platform::UserResult::disabled:
        case platform::UserResult::hidden:
        case platform::UserResult::absent: status_ = parts_.texts.refusedDisabled; return;
        case platform::UserResult::notEditable: status_ = parts_.texts.refusedNotEditable; return;
        case platform::UserResult::outOfRange:
        case platform::UserResult::notSelectable: status_ = parts_.texts.refusedOther; return;
    }
}

std::string TerminalDialog::hint() const {
    const NSControl* control = focus_.current();
    const HostTexts& texts = parts_.texts;
    if (dynamic_cast<const NSTabView*>(control)) return texts.hintTabBar;
    if (dynamic_cast<const NSMatrix*>(control)) return texts.hintMatrix;
    if (dynamic_cast<const NSPopUpButton*>(control)) return texts.hintPopUp;
    if (const auto* field = dynamic_cast<const NSTextField*>(control))
        return field->isSecure() ? texts.hintSecretField : texts.hintField;
    if (const auto* button = dynamic_cast<const NSButton*>(control)) {
        switch (button->buttonType()) {
            case NSButtonType::checkBox: return texts.hintCheckBox;
            case NSButtonType::lockButton: return texts.hintLockButton;
            case NSButtonType::pushButton: return texts.hintPushButton;
        }
    }
    return {};
}

void TerminalDialog::paintTooSmall(Canvas& canvas) const {
    const ScreenSize size = parts_.terminal.size();
    const std::string message = replacedPlaceholders(parts_.texts.tooSmall, {kColumns, kRows, size.columns, size.rows});
    int row = 0;
    for (const std::string& line : wrapWords(message, canvas.columns(), parts_.glyphs))
        canvas.write(row++, 0, line, style::bold, canvas.columns());
}

Canvas TerminalDialog::paintScreen() const {
    const ScreenSize size = parts_.terminal.size();
    Canvas canvas(size.rows, size.columns, parts_.glyphs);
    if (screenTooSmall()) {
        paintTooSmall(canvas);
        return canvas;
    }
    canvas.fill(kTitleRow, 0, kColumns, " ", style::reverse);
    canvas.write(kTitleRow, 1, parts_.title, style::reverse | style::bold, kColumns - 2);
    const NSTabView* tabs = parts_.view.tabView();
    if (tabs) paintTabBar(canvas, *tabs, focus_.current() == tabs);
    canvas.fill(kRuleRow, 0, kPanelLeft + kPanelWidth, parts_.glyphs.horizontal, style::plain);

    const PanelGeometry geometry(parts_.view, parts_.glyphs);
    PanelPainter(canvas, geometry, PanelFocus{focus_.current(), focus_.cellRow(), revealed_}, spinnerFrame_).paint();
    if (showSummary_) paintSummaryPane(canvas, parts_.panel.summaryInfo(), parts_.texts);
    if (jobChoicesBox_) jobChoicesBox_->paint(canvas, parts_.texts);
    if (status_.empty())
        canvas.write(kStatusRow, 1, hint(), style::dim, kColumns - 2);
    else
        canvas.write(kStatusRow, 1, status_, style::bold, kColumns - 2);
    paintKeyBar(canvas, parts_.texts);
    if (menu_) menu_->paint(canvas);
    return canvas;
}

}  // namespace host
