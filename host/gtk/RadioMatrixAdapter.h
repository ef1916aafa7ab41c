// A radio matrix of the panel as grouped GTK radio buttons, one per cell,
// each on the layout row of its cell and named after the cell's field.
// Choosing a cell that is chosen already is a click on it for the control
// model too (its action runs again), although GTK changes nothing then.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSMatrix;

namespace host {

class RadioMatrixAdapter : public ControlAdapter {
public:
    RadioMatrixAdapter(NSMatrix& matrix, UserOperations& operations);
    ~RadioMatrixAdapter() override;

    std::vector<GtkWidget*> rowWidgets() const override { return cells_; }
    void followModel() override;
    platform::UserResult select(int index) override;

private:
    static void toggled(GtkCheckButton* cell, RadioMatrixAdapter* self);
    static void pressed(GtkGestureClick* gesture, int, double, double, RadioMatrixAdapter* self);
    static void released(GtkGestureClick* gesture, int, double x, double y, RadioMatrixAdapter* self);
    static gboolean keyActivated(GtkWidget* cell, GVariant*, gpointer self);
    // GTK's own handlers leave a chosen cell alone; these catch the
    // person's click and Space or Enter on it.
    void watchChoosingAgain(GtkWidget* cell);
    // Gives the model the click on `cell` when it is chosen already; false
    // when it is not, and GTK's own handling chooses it.
    bool chooseAgain(GtkWidget* cell);
    int rowOf(GtkWidget* cell) const;

    NSMatrix& matrix_;
    std::vector<GtkWidget*> cells_;
    // The key controllers call this adapter: they go with it, not with
    // the cells, which may outlive it.
    std::vector<std::pair<GtkWidget*, GtkEventController*>> keyControllers_;
    bool pressedWhileChosen_ = false;
};

}  // namespace host
