// A panel's view: it owns every control of a loaded layout and its window,
// finds controls and cells by field name, and lists the controls tab by tab
// in layout order for a host to draw or dump.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/NSControl.h"
#include "platform/controls/NSObject.h"
#include "platform/controls/NSWindow.h"

class NSTabView;

class NSView : public NSObject {
public:
    // The tab of a control that lies outside the tab view.
    static constexpr int kNoTab = -1;

    NSView();
    ~NSView() override;
    const char* className() const override;

    NSWindow& window() { return window_; }
    const NSWindow& window() const { return window_; }

    // Takes `control` into this view and its window, on tab index `tab`;
    // gives the control.
    NSControl* addControl(std::unique_ptr<NSControl> control, int tab = kNoTab);

    // The control or cell with that field name, or none.
    NSObject* objectNamed(const std::string& name) const;
    template <class T>
    T* objectNamed(const std::string& name) const {
        return dynamic_cast<T*>(objectNamed(name));
    }

    // Every control, in layout order.
    std::vector<NSControl*> controls() const;
    // The controls on tab index `tab` (kNoTab: outside the tab view), in
    // layout order.
    std::vector<NSControl*> controlsOnTab(int tab) const;
    // The tab index of `control`; kNoTab outside the tab view or this view.
    int tabOf(const NSControl* control) const;
    // The first tab view of the view, or none.
    NSTabView* tabView() const;

private:
    struct Placement {
        std::unique_ptr<NSControl> control;
        int tab;
    };

    // Declared first so that it outlives the controls that point at it.
    NSWindow window_;
    std::vector<Placement> placements_;
};
