#include "host/terminal/TabBar.h"

#include "host/terminal/Canvas.h"
#include "host/terminal/Terminal.h"
#include "platform/controls/Containers.h"

namespace host {

void paintTabBar(Canvas& canvas, const NSTabView& tabs, bool hasCursor) {
    using namespace screen_layout;
    int column = kPanelLeft;
    const int right = kPanelLeft + kPanelWidth;
    for (int index = 0; index < tabs.numberOfTabViewItems(); ++index) {
        const NSTabViewItem* item = tabs.tabViewItemAtIndex(index);
        if (!item) continue;
        const bool shown = index == tabs.indexOfSelectedTabViewItem();
        const std::string text = shown ? "[" + item->label() + "]" : " " + item->label() + " ";
        uint8_t look = shown ? style::bold : style::plain;
        if (shown && hasCursor) look |= style::reverse;
        if (!tabs.isEnabled()) look |= style::dim;
        const int used = canvas.write(kTabBarRow, column, text, look, right - column);
        if (shown && hasCursor) canvas.placeCursor(kTabBarRow, column + 1);
        column += used + 1;
    }
}

}  // namespace host
