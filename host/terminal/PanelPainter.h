// Draws the controls of the shown tab: boxes as frames, check boxes, radio
// matrices, the folder pop-up, labels and edit fields, lock buttons as open
// or closed padlocks, the text of secret fields masked (one bullet per
// UTF-16 code unit, as the panel masks the locked login name), push buttons and the spinning progress indicator.
// Dimmed labels and fields and disabled controls are drawn dim; the control
// under the cursor is drawn reversed and gets the terminal's cursor.
#pragma once

#include <cstddef>

#include "host/terminal/PanelGeometry.h"

class NSBox;
class NSButton;
class NSControl;
class NSMatrix;
class NSPopUpButton;
class NSProgressIndicator;
class NSTextField;

namespace host {

class Canvas;

struct PanelFocus {
    const NSControl* control = nullptr;
    int cellRow = 0;
    const NSTextField* revealed = nullptr;  // a secret field shown in clear
};

class PanelPainter {
public:
    PanelPainter(Canvas& canvas, const PanelGeometry& geometry, PanelFocus focus, size_t spinnerFrame);

    void paint();

private:
    void paintControl(const NSControl& control);
    void paintBox(const NSBox& box, const ScreenRect& rect);
    void paintButton(const NSButton& button, const ScreenRect& rect);
    void paintMatrix(const NSMatrix& matrix, const ScreenRect& rect);
    void paintPopUp(const NSPopUpButton& popUp, const ScreenRect& rect);
    void paintTextField(const NSTextField& field, const ScreenRect& rect);
    void paintEditField(const NSTextField& field, const ScreenRect& rect);
    void paintProgress(const NSProgressIndicator& progress, const ScreenRect& rect);
    bool focused(const NSControl& control) const { return focus_.control == &control; }

    Canvas& canvas_;
    const PanelGeometry& geometry_;
    PanelFocus focus_;
    size_t spinnerFrame_;
};

}  // namespace host
