// The panel's controls that take no input, as GTK widgets: a label, a
// titled box as a frame holding a grid, and the progress indicator as a
// spinner.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSTextField;
class NSBox;
class NSProgressIndicator;

namespace host {

// A label of the panel (a text field with tag 0) as a GTK label, dimmed
// when the panel greys it out or disables it.
class LabelAdapter : public ControlAdapter {
public:
    LabelAdapter(NSTextField& label, UserOperations& operations);

    void followModel() override;

private:
    NSTextField& label_;
};

// Shows the panel's grey text colour on `widget` as GTK's dimmed style.
void followTextColour(GtkWidget* widget, const NSTextField& field);

// A titled box of the panel as a GTK frame; the controls laid out inside
// the box go into the frame's grid.
class BoxAdapter : public ControlAdapter {
public:
    BoxAdapter(NSBox& box, UserOperations& operations);

    GtkGrid* contents() const { return contents_; }
    void followModel() override;

private:
    NSBox& box_;
    GtkGrid* contents_;
};

// The panel's progress indicator as a GTK spinner, turning while the panel
// animates it.
class ProgressAdapter : public ControlAdapter {
public:
    ProgressAdapter(NSProgressIndicator& indicator, UserOperations& operations);

    void followModel() override;

private:
    NSProgressIndicator& indicator_;
};

}  // namespace host
