// Where the cursor stands, kept in step with the window's keyboard focus:
// moving the cursor onto an edit field gives that field the focus (and onto
// anything else takes it from every field), and when the panel moves the
// focus itself (makeFirstResponder:), the cursor follows it to that field.
#pragma once

class NSControl;
class NSTextField;
class NSView;

namespace host {

class DialogFocus {
public:
    // The cursor starts on the field that holds the focus when that field
    // lies on the shown tab, and on the first place of the chain otherwise.
    explicit DialogFocus(NSView& view);

    NSControl* current() const { return current_; }
    // The cell of a radio matrix that the cursor is on.
    int cellRow() const { return cellRow_; }
    // Whether the user has edited the current field since the cursor came
    // to it: the first edit clicks into the field, later ones go on typing.
    bool editing() const { return editing_; }
    void noteEdit() { editing_ = true; }

    void moveNext();
    void movePrevious();
    void moveTo(NSControl* control);
    // Moves the cell cursor within a matrix, staying inside it.
    void moveCell(int delta);

    // After anything that may have run the panel's handlers: follows a
    // focus the panel moved, and leaves a place that can no longer take
    // the cursor (a field that became dimmed, a tab that is no longer shown).
    void afterOperation();

private:
    void step(int direction);
    void follow(NSControl* control);
    bool inChain(const NSControl* control) const;

    NSView& view_;
    NSControl* current_ = nullptr;
    NSTextField* knownResponder_ = nullptr;
    int cellRow_ = 0;
    bool editing_ = false;
};

}  // namespace host
