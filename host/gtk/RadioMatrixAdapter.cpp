#include "host/gtk/RadioMatrixAdapter.h"

#include <algorithm>

#include "platform/controls/NSMatrix.h"

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
        cells_.push_back(button);
    }
}

void RadioMatrixAdapter::toggled(GtkCheckButton* cell, RadioMatrixAdapter* self) {
    // Choosing a cell turns the one chosen before off: only the cell turned
    // on is the person's choice.
    if (self->following_ || !gtk_check_button_get_active(cell)) return;
    const auto found = std::find(self->cells_.begin(), self->cells_.end(), GTK_WIDGET(cell));
    const int row = static_cast<int>(found - self->cells_.begin());
    self->operate([self, row] { return self->matrix_.userSelectCellAtRow(row); });
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
    return byPerson(cell, [cell] { gtk_widget_activate(cell); });
}
