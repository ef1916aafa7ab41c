// A titled box of the panel as a GTK frame; the controls laid out inside
// the box go into the frame's grid.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSBox;

namespace host {

class BoxAdapter : public ControlAdapter {
public:
    BoxAdapter(NSBox& box, UserOperations& operations);

    GtkGrid* contents() const { return contents_; }
    void followModel() override;

private:
    NSBox& box_;
    GtkGrid* contents_;
};

}  // namespace host
