// The Job Handling tab: the panel's view drawn with GTK, one adapter per
// control, the tab view as a notebook with one page per tab. After every
// user operation each widget follows the model, and the keyboard focus
// follows the field the panel made first responder.
#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

#include "host/gtk/ControlAdapter.h"
#include "host/gtk/UserOperations.h"

class NSTextField;
class NSView;

namespace host {

class PanelTab {
public:
    explicit PanelTab(NSView& view);
    ~PanelTab();
    PanelTab(const PanelTab&) = delete;
    PanelTab& operator=(const PanelTab&) = delete;

    GtkWidget* widget() const { return root_; }
    UserOperations& operations() { return operations_; }

    // Makes every widget and the keyboard focus show what the model holds.
    void followModel();
    // The adapter of the control with that field name, or none.
    ControlAdapter* adapterNamed(const std::string& name) const;

private:
    GtkWidget* buildTabs();
    GtkWidget* layOut(const std::vector<NSControl*>& controls) const;
    void followFocus();

    NSView& view_;
    UserOperations operations_;
    std::vector<std::unique_ptr<ControlAdapter>> adapters_;
    GtkWidget* root_;
    NSTextField* focusedField_ = nullptr;
};

}  // namespace host
