// An opened pop-up menu: its items in a framed list under the button (over
// it when there is no room below), the highlighted one reversed, a lock
// mark before each protected folder. Up and Down walk the items, passing
// over separators; Enter or Space chooses; Escape or Tab closes the menu
// without a choice.
#pragma once

#include <optional>

#include "host/terminal/PanelGeometry.h"

class NSPopUpButton;

namespace host {

class Canvas;
struct Glyphs;
struct Key;

class PopUpList {
public:
    // Opens on the selected item (the first item that can be chosen when
    // none is selected); `button` is where the pop-up button lies.
    PopUpList(const NSPopUpButton& popUp, ScreenRect button);

    enum class Outcome { open, chosen, closed };
    // What the key does to the menu; after `chosen`, highlighted() is the
    // item to select.
    Outcome handle(const Key& key);
    int highlighted() const { return highlighted_; }
    const NSPopUpButton& popUp() const { return popUp_; }

    void paint(Canvas& canvas) const;

private:
    bool choosable(int index) const;
    // The columns before the titles: a lock mark and a blank when any item
    // is a protected folder, none otherwise.
    int markColumns(const Glyphs& glyphs) const;
    void walk(int direction);
    // The list's frame on the screen, and how many items it shows.
    ScreenRect frame(const Canvas& canvas) const;

    const NSPopUpButton& popUp_;
    ScreenRect button_;
    int highlighted_ = 0;
};

}  // namespace host
