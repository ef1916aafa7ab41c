#include "host/terminal/DialogFocus.h"

#include <algorithm>
#include <vector>

#include "host/terminal/FocusChain.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/TextFields.h"

namespace host {

DialogFocus::DialogFocus(NSView& view) : view_(view) {
    knownResponder_ = view_.window().firstResponder();
    const std::vector<NSControl*> chain = focusChain(view_);
    if (knownResponder_ && inChain(knownResponder_))
        follow(knownResponder_);
    else if (!chain.empty())
        follow(chain.front());
}

bool DialogFocus::inChain(const NSControl* control) const {
    const std::vector<NSControl*> chain = focusChain(view_);
    return std::find(chain.begin(), chain.end(), control) != chain.end();
}

void DialogFocus::follow(NSControl* control) {
    current_ = control;
    editing_ = false;
    const auto* matrix = dynamic_cast<const NSMatrix*>(control);
    cellRow_ = matrix ? std::max(matrix->selectedRow(), 0) : 0;
}

void DialogFocus::moveTo(NSControl* control) {
    follow(control);
    // The user's move decides the keyboard focus: a field takes it, any
    // other control takes it from every field.
    view_.window().makeFirstResponder(dynamic_cast<NSTextField*>(control));
    knownResponder_ = view_.window().firstResponder();
}

void DialogFocus::step(int direction) {
    const std::vector<NSControl*> chain = focusChain(view_);
    if (chain.empty()) {
        current_ = nullptr;
        return;
    }
    const auto found = std::find(chain.begin(), chain.end(), current_);
    const long size = static_cast<long>(chain.size());
    long index = found == chain.end() ? (direction > 0 ? -1 : 0) : found - chain.begin();
    index = ((index + direction) % size + size) % size;
    moveTo(chain[static_cast<size_t>(index)]);
}

void DialogFocus::moveNext() {
    step(1);
}

void DialogFocus::movePrevious() {
    step(-1);
}

void DialogFocus::moveCell(int delta) {
    const auto* matrix = dynamic_cast<const NSMatrix*>(current_);
    if (!matrix || matrix->numberOfRows() == 0) return;
    cellRow_ = std::clamp(cellRow_ + delta, 0, matrix->numberOfRows() - 1);
}

void DialogFocus::afterOperation() {
    NSTextField* responder = view_.window().firstResponder();
    if (responder != knownResponder_) {
        knownResponder_ = responder;
        if (responder && inChain(responder)) {
            follow(responder);
            return;
        }
    }
    if (current_ && inChain(current_)) {
        if (const auto* matrix = dynamic_cast<const NSMatrix*>(current_))
            cellRow_ = std::clamp(cellRow_, 0, std::max(matrix->numberOfRows() - 1, 0));
        return;
    }
    // The place went away under the cursor: the next one that remains, in
    // layout order, takes it.
    const std::vector<NSControl*> everything = view_.controls();
    const auto from = std::find(everything.begin(), everything.end(), current_);
    const std::vector<NSControl*> chain = focusChain(view_);
    if (from != everything.end()) {
        for (auto next = from + 1; next != everything.end(); ++next) {
            if (std::find(chain.begin(), chain.end(), *next) != chain.end()) {
                moveTo(*next);
                return;
            }
        }
    }
    if (chain.empty())
        current_ = nullptr;
    else
        moveTo(chain.front());
}

}  // namespace host
