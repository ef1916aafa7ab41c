// The tab view's tabs as one line: the shown tab in brackets, reversed
// while the cursor is on the tab bar.
#pragma once

class NSTabView;

namespace host {

class Canvas;

void paintTabBar(Canvas& canvas, const NSTabView& tabs, bool hasCursor);

}  // namespace host
