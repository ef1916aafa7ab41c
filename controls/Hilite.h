// Dimming a label or an edit field: the one way the panel shows that a text
// does not apply now.
#pragma once

#include "platform/controls/NSObject.h"
#include "platform/controls/TextFields.h"

// A label only changes colour. An edit field also stops (or starts) taking
// input, and the keyboard focus follows: an undimmed field takes it, a
// dimmed one leaves the window with no field focused. An absent field is
// left alone.
void myZlm420kJCHilite(const Outlet<NSTextField>& field, bool dimmed);
