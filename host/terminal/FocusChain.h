// The places the cursor can stand on the shown tab, in the order Tab walks
// them: the tab bar first, then the tab's controls in layout order, then
// the controls outside the tab view.
#pragma once

#include <vector>

class NSControl;
class NSView;

namespace host {

// Whether the user can put the cursor on `control` now: it is shown and
// enabled, and it is something to operate (a button, a radio matrix, a
// pop-up menu, a tab view) or an edit field that can be selected. Labels,
// boxes, the progress indicator and dimmed fields never take it.
bool canTakeCursor(const NSControl& control);

// The tab shown now: the tab view's selected tab, or none without one.
int shownTab(const NSView& view);

std::vector<NSControl*> focusChain(const NSView& view);

}  // namespace host
