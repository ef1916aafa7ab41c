// Where each control of the shown tab lies on the screen. The layout gives
// every control a row and a column; widths and the extent of boxes follow
// from the neighbours: a control reaches to the next control on its row (or
// to the panel's edge), and a box frames the controls after it that lie
// further right, down to the first one that does not.
#pragma once

#include <cstddef>
#include <map>
#include <vector>

class NSControl;
class NSView;

namespace host {

struct Glyphs;

struct ScreenRect {
    int row = 0;
    int column = 0;
    int width = 0;
    int height = 1;
};

class PanelGeometry {
public:
    PanelGeometry(const NSView& view, const Glyphs& glyphs);

    // The controls drawn on the shown tab, in layout order.
    const std::vector<NSControl*>& controls() const { return controls_; }
    // The control's place on the screen; a box's rect is its frame, whose
    // bottom line is left out (`openBottom`) when a control stands there.
    ScreenRect rectOf(const NSControl* control) const;
    bool openBottom(const NSControl* box) const;
    // The columns a control has on its `line`th row (a matrix's cells each
    // reach to the next control on their own row).
    int widthOnRow(const NSControl* control, int line) const;

private:
    void placeControl(const NSControl* control, const Glyphs& glyphs);
    void placeBox(std::size_t index);
    // The column before the first one right of `control` that another
    // control takes on its rows (or on rows `firstRow` to `lastRow`).
    int rightLimit(const NSControl* control) const;
    int rightLimit(const NSControl* control, int firstRow, int lastRow) const;

    std::vector<NSControl*> controls_;
    std::map<const NSControl*, ScreenRect> rects_;
    std::map<const NSControl*, bool> openBottoms_;
};

}  // namespace host
