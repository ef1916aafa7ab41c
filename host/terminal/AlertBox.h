// The informational alert as a modal box over the dialog: its title (when
// it has one), its message wrapped to the box, and its buttons, the default
// one under the cursor. Enter, Space or Escape dismisses it; nothing else
// gets through while it is up.
#pragma once

#include <functional>

#include "platform/controls/Alert.h"

namespace host {

class Canvas;
class Terminal;

void paintAlertBox(Canvas& canvas, const platform::AlertRequest& alert);

// The screen that the box goes over, drawn afresh for the terminal's size.
using BackgroundPainter = std::function<Canvas()>;

// Shows the box over the background and waits until the user dismisses it;
// redraws on a change of the terminal's size.
void runAlertBox(Terminal& terminal, const BackgroundPainter& background, const platform::AlertRequest& alert);

// Shows every alert of the platform as such a box while it lives, and puts
// back the presenter it replaced when it goes.
class AlertBoxPresenter {
public:
    AlertBoxPresenter(Terminal& terminal, BackgroundPainter background);
    ~AlertBoxPresenter();
    AlertBoxPresenter(const AlertBoxPresenter&) = delete;
    AlertBoxPresenter& operator=(const AlertBoxPresenter&) = delete;

private:
    platform::AlertPresenter previous_;
};

}  // namespace host
