#include "host/gtk/RadioMatrixAdapter.h"

#include <algorithm>
#include <utility>

#include "platform/controls/Buttons.h"

namespace host {

namespace {

// The matrix's widget holds the first cell; a matrix without cells gets an
// empty box so that it still has a place.
GtkWidget* firstWidget(const NSMatrix& matrix) {
    const NSButtonCell* cell = matrix.cellAtRow(0, 0);
    return cell ? gtk_check_button_new_with_label(cell->title().c_str()) : gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
}

}  // namespace

RadioMatrixAdapter::RadioMatrixAdapter(NSMatrix& matrix, UserOperations& operations)
    : ControlAdapter(matrix, firstWidget(matrix), operations), matrix_(matrix) {
    if (matrix.numberOfRows() == 0) {
        cells_.push_back(widget());
        return;
    }
    for (int row = 0; row < matrix.numberOfRows(); ++row) {
        const NSButtonCell* cell = matrix.cellAtRow(row, 0);
        GtkWidget* button = row == 0 ? widget() : gtk_check_button_new_with_label(cell->title().c_str());
        if (row > 0) gtk_check_button_set_group(GTK_CHECK_BUTTON(button), GTK_CHECK_BUTTON(widget()));
        gtk_widget_set_name(button, cell->fieldName().c_str());
        connect(button, "toggled", G_CALLBACK(toggled));
        watchChoosingAgain(button);
        cells_.push_back(button);
    }
}

void RadioMatrixAdapter::watchChoosingAgain(GtkWidget* cell) {
    GtkGesture* click = gtk_gesture_click_new();
    gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(click), GDK_BUTTON_PRIMARY);
    gtk_widget_add_controller(cell, GTK_EVENT_CONTROLLER(click));
    connect(click, "pressed", G_CALLBACK(pressed));
    connect(click, "released", G_CALLBACK(released));

    // Before GTK's own key bindings, which would do nothing.
    GtkEventController* keys = gtk_shortcut_controller_new();
    gtk_event_controller_set_propagation_phase(keys, GTK_PHASE_CAPTURE);
    for (const guint key : {GDK_KEY_space, GDK_KEY_KP_Space, GDK_KEY_Return, GDK_KEY_ISO_Enter, GDK_KEY_KP_Enter})
        gtk_shortcut_controller_add_shortcut(GTK_SHORTCUT_CONTROLLER(keys),
                                             gtk_shortcut_new(gtk_keyval_trigger_new(key, GdkModifierType(0)),
                                                              gtk_callback_action_new(keyActivated, this, nullptr)));
    gtk_widget_add_controller(cell, keys);
    keyControllers_.emplace_back(cell, keys);
}

RadioMatrixAdapter::~RadioMatrixAdapter() {
    for (const auto& [cell, keys] : keyControllers_)
        gtk_widget_remove_controller(cell, keys);
}

int RadioMatrixAdapter::rowOf(GtkWidget* cell) const {
    return static_cast<int>(std::find(cells_.begin(), cells_.end(), cell) - cells_.begin());
}

void RadioMatrixAdapter::toggled(GtkCheckButton* cell, RadioMatrixAdapter* self) {
    // Choosing a cell turns the one chosen before off: only the cell turned
    // on is the person's choice.
    if (self->following_ || !gtk_check_button_get_active(cell)) return;
    const int row = self->rowOf(GTK_WIDGET(cell));
    self->operate([self, row] { return self->matrix_.userSelectCellAtRow(row); });
}

bool RadioMatrixAdapter::chooseAgain(GtkWidget* cell) {
    if (!gtk_check_button_get_active(GTK_CHECK_BUTTON(cell))) return false;
    const int row = rowOf(cell);
    operate([this, row] { return matrix_.userSelectCellAtRow(row); });
    return true;
}

void RadioMatrixAdapter::pressed(GtkGestureClick* gesture, int, double, double, RadioMatrixAdapter* self) {
    GtkWidget* cell = gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(gesture));
    self->pressedWhileChosen_ = gtk_check_button_get_active(GTK_CHECK_BUTTON(cell));
}

void RadioMatrixAdapter::released(GtkGestureClick* gesture, int, double x, double y, RadioMatrixAdapter* self) {
    GtkWidget* cell = gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(gesture));
    // A cell chosen by this very click was the toggle's.
    if (std::exchange(self->pressedWhileChosen_, false) && gtk_widget_is_sensitive(cell) &&
        gtk_widget_contains(cell, x, y))
        self->chooseAgain(cell);
}

gboolean RadioMatrixAdapter::keyActivated(GtkWidget* cell, GVariant*, gpointer self) {
    return static_cast<RadioMatrixAdapter*>(self)->chooseAgain(cell);
}

void RadioMatrixAdapter::followModel() {
    following_ = true;
    ControlAdapter::followModel();
    const int selected = matrix_.selectedRow();
    for (int row = 0; row < matrix_.numberOfRows(); ++row) {
        GtkCheckButton* button = GTK_CHECK_BUTTON(cells_[static_cast<size_t>(row)]);
        gtk_check_button_set_label(button, matrix_.cellAtRow(row, 0)->title().c_str());
        gtk_check_button_set_active(button, row == selected);
    }
    following_ = false;
}

platform::UserResult RadioMatrixAdapter::select(int index) {
    if (index < 0 || index >= matrix_.numberOfRows()) return platform::UserResult::outOfRange;
    GtkWidget* cell = cells_[static_cast<size_t>(index)];
    // As Space on the cell: GTK's activation chooses a cell not chosen yet.
    return byPerson(cell, [this, cell] {
        if (!chooseAgain(cell)) gtk_widget_activate(cell);
    });
}

}  // namespace host
