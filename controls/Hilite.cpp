#include "controls/Hilite.h"

void myZlm420kJCHilite(const Outlet<NSTextField>& field, bool dimmed) {
    if (!field) return;
    field->setTextColor(dimmed ? NSColor::grayColor : NSColor::blackColor);
    if (field->isLabel()) return;
    field->setEditable(!dimmed);
    field->setSelectable(!dimmed);
    field->window().makeFirstResponder(dimmed ? nullptr : field.get());
}
