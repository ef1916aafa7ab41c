// The box of the terminal dialog's own job choices, over the panel:
// Copies, Pages and, when the queue offers it, Two-sided. Tab, Shift-Tab,
// Up and Down move between them; digits (and "-" and "," for the pages)
// are typed at the end of a field, Backspace and Ctrl-U take them back;
// the first digit typed in a field that the cursor has just come to
// replaces its text, as typing over a selected field does; Space, Left and
// Right change two-sided; Enter or the key that opened the
// box closes it, Escape closes it and takes back what was changed in it.
#pragma once

#include "host/terminal/JobChoices.h"

namespace host {

class Canvas;
struct HostTexts;
struct Key;

class JobChoicesBox {
public:
    explicit JobChoicesBox(JobChoices& choices) : choices_(choices), before_(choices) {}

    enum class Outcome { open, closed };
    Outcome handle(const Key& key);
    void paint(Canvas& canvas, const HostTexts& texts) const;

private:
    enum Row { kCopies, kPages, kTwoSided };

    int rowCount() const { return choices_.twoSidedOffered ? 3 : 2; }
    void move(int direction);
    void type(const std::string& text);
    std::string* field();

    JobChoices& choices_;
    const JobChoices before_;
    int row_ = kCopies;
    bool fresh_ = true;  // nothing typed since the cursor came to the row
};

}  // namespace host
