// What the dialog needs of a terminal: its size, showing a drawn screen,
// and the next key. The ncurses terminal is one; tests bring their own.
#pragma once

#include "host/terminal/Key.h"

namespace host {

class Canvas;

struct ScreenSize {
    int rows = 0;
    int columns = 0;
    bool operator==(const ScreenSize&) const = default;
};

class Terminal {
public:
    virtual ~Terminal() = default;

    virtual ScreenSize size() const = 0;
    // Puts `canvas` on the screen, with its cursor.
    virtual void show(const Canvas& canvas) = 0;
    // Waits for the next key.
    virtual Key readKey() = 0;
};

}  // namespace host
