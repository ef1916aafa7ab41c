#include "host/terminal/JobChoicesBox.h"

#include <algorithm>

#include "host/terminal/Canvas.h"
#include "host/terminal/Glyphs.h"
#include "host/terminal/HostTexts.h"
#include "host/terminal/Terminal.h"

namespace host {

namespace {

constexpr int kTop = screen_layout::kPanelTop + 2;
constexpr int kLeft = screen_layout::kPanelLeft + 3;
constexpr int kWidth = 51;
constexpr int kLabelColumns = 13;
constexpr int kCopiesWidth = 6;
constexpr int kPagesWidth = 20;

// A field as the panel's fields look: its text, then the fill up to its
// width; the cursor after the text when it is the chosen row.
void paintField(Canvas& canvas, int row, const std::string& text, int width, bool current) {
    const int column = kLeft + 2 + kLabelColumns;
    const int used = canvas.write(row, column, text, current ? style::reverse : style::plain, width);
    canvas.fill(row, column + used, width - used, canvas.glyphs().fieldFill, style::plain);
    if (current) canvas.placeCursor(row, column + std::min(used, width - 1));
}

std::string twoSidedText(TwoSided twoSided, const HostTexts& texts) {
    switch (twoSided) {
        case TwoSided::off: return texts.twoSidedOff;
        case TwoSided::longEdge: return texts.twoSidedLongEdge;
        case TwoSided::shortEdge: return texts.twoSidedShortEdge;
    }
    return {};
}

}  // namespace

JobChoicesBox::Outcome JobChoicesBox::handle(const Key& key) {
    switch (key.code) {
        case KeyCode::escape: choices_ = before_; return Outcome::closed;
        case KeyCode::enter:
        case KeyCode::jobChoices: return Outcome::closed;
        case KeyCode::tab:
        case KeyCode::down: move(1); break;
        case KeyCode::backTab:
        case KeyCode::up: move(-1); break;
        case KeyCode::left:
        case KeyCode::right:
            if (row_ == kTwoSided)
                choices_.twoSided = nextTwoSided(choices_.twoSided, key.code == KeyCode::left ? -1 : 1);
            break;
        case KeyCode::backspace:
            fresh_ = false;
            if (std::string* text = field(); text && !text->empty()) text->pop_back();
            break;
        case KeyCode::clearField:
            if (std::string* text = field()) text->clear();
            break;
        case KeyCode::text:
            if (row_ == kTwoSided && key.isSpace())
                choices_.twoSided = nextTwoSided(choices_.twoSided, 1);
            else
                type(key.text);
            break;
        default: break;
    }
    return Outcome::open;
}

void JobChoicesBox::move(int direction) {
    row_ = ((row_ + direction) % rowCount() + rowCount()) % rowCount();
    fresh_ = true;
}

std::string* JobChoicesBox::field() {
    if (row_ == kCopies) return &choices_.copies;
    if (row_ == kPages) return &choices_.pages;
    return nullptr;
}

// Only what the field can hold is taken, so that a stray key cannot put
// text into it that the terminal would show oddly.
void JobChoicesBox::type(const std::string& text) {
    std::string* target = field();
    if (!target) return;
    const std::string allowed = row_ == kCopies ? "0123456789" : "0123456789-,";
    const size_t widest = row_ == kCopies ? kCopiesWidth - 1 : kPagesWidth - 1;
    if (fresh_ && text.find_first_of(allowed) != std::string::npos) target->clear();
    fresh_ = false;
    for (const char character : text)
        if (allowed.find(character) != std::string::npos && target->size() < widest) target->push_back(character);
}

void JobChoicesBox::paint(Canvas& canvas, const HostTexts& texts) const {
    canvas.box(kTop, kLeft, kWidth, rowCount() + 3, style::bold);
    canvas.write(kTop, kLeft + 2, " " + texts.jobChoicesTitle + " ", style::bold, kWidth - 4);
    const int first = kTop + 1;
    const int labelColumn = kLeft + 2;
    canvas.write(first, labelColumn, texts.copiesLabel, style::plain, kLabelColumns);
    paintField(canvas, first, choices_.copies, kCopiesWidth, row_ == kCopies);
    canvas.write(first + 1, labelColumn, texts.pagesLabel, style::plain, kLabelColumns);
    paintField(canvas, first + 1, choices_.pages, kPagesWidth, row_ == kPages);
    canvas.write(first + 1, labelColumn + kLabelColumns + kPagesWidth + 1, texts.pagesAll, style::dim,
                 kWidth - kLabelColumns - kPagesWidth - 5);
    if (choices_.twoSidedOffered) {
        const int row = first + 2;
        canvas.write(row, labelColumn, texts.twoSidedLabel, style::plain, kLabelColumns);
        const std::string shown = "< " + twoSidedText(choices_.twoSided, texts) + " >";
        const int column = labelColumn + kLabelColumns;
        canvas.write(row, column, shown, row_ == kTwoSided ? style::reverse : style::plain, kWidth - kLabelColumns - 4);
        if (row_ == kTwoSided) canvas.placeCursor(row, column + 2);
    }
    canvas.write(first + rowCount(), labelColumn, texts.hintJobChoices, style::dim, kWidth - 4);
}

}  // namespace host
