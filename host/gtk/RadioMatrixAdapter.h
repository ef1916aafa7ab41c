// A radio matrix of the panel as grouped GTK radio buttons, one per cell,
// each on the layout row of its cell and named after the cell's field.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSMatrix;

class RadioMatrixAdapter : public ControlAdapter {
public:
    RadioMatrixAdapter(NSMatrix& matrix, UserOperations& operations);

    std::vector<GtkWidget*> rowWidgets() const override { return cells_; }
    void followModel() override;
    platform::UserResult select(int index) override;

private:
    static void toggled(GtkCheckButton* cell, RadioMatrixAdapter* self);

    NSMatrix& matrix_;
    std::vector<GtkWidget*> cells_;
};
