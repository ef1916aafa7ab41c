#include "host/gtk/PageLayout.h"

#include <algorithm>
#include <climits>

#include "host/gtk/DisplayAdapters.h"
#include "platform/controls/NSControl.h"

namespace host {

namespace {

constexpr int kSpacing = 6;

GtkGrid* newGrid() {
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), kSpacing);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 2 * kSpacing);
    return GTK_GRID(grid);
}

}  // namespace

PageLayout::PageLayout() : page_(gtk_box_new(GTK_ORIENTATION_VERTICAL, 2 * kSpacing)) {
    for (auto margin : {gtk_widget_set_margin_top, gtk_widget_set_margin_bottom, gtk_widget_set_margin_start,
                        gtk_widget_set_margin_end})
        margin(page_, 2 * kSpacing);
}

void PageLayout::beginSection(GtkGrid* grid, bool framed) {
    sections_.push_back(Section{grid, framed, {}});
}

void PageLayout::add(const ControlAdapter& adapter) {
    const NSControl& control = adapter.control();
    if (const auto* box = dynamic_cast<const BoxAdapter*>(&adapter)) {
        gtk_box_append(GTK_BOX(page_), box->widget());
        GtkGrid* contents = box->contents();
        gtk_grid_set_row_spacing(contents, kSpacing);
        gtk_grid_set_column_spacing(contents, 2 * kSpacing);
        for (auto margin : {gtk_widget_set_margin_top, gtk_widget_set_margin_bottom, gtk_widget_set_margin_start,
                            gtk_widget_set_margin_end})
            margin(GTK_WIDGET(contents), kSpacing);
        beginSection(contents, true);
        return;
    }
    if (sections_.empty() || (sections_.back().framed && control.layoutColumn() == 0)) {
        GtkGrid* grid = newGrid();
        gtk_box_append(GTK_BOX(page_), GTK_WIDGET(grid));
        beginSection(grid, false);
    }
    int row = control.layoutRow();
    for (GtkWidget* widget : adapter.rowWidgets())
        sections_.back().placed.push_back(Placed{widget, row++, control.layoutColumn()});
}

void PageLayout::attach(const Section& section) {
    std::vector<int> columns;
    int firstRow = INT_MAX;
    for (const Placed& placed : section.placed) {
        columns.push_back(placed.column);
        firstRow = std::min(firstRow, placed.row);
    }
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    const auto gridColumn = [&columns](int column) {
        return static_cast<int>(std::lower_bound(columns.begin(), columns.end(), column) - columns.begin());
    };
    for (const Placed& placed : section.placed) {
        int end = static_cast<int>(columns.size());
        for (const Placed& other : section.placed)
            if (other.row == placed.row && other.column > placed.column) end = std::min(end, gridColumn(other.column));
        const int column = gridColumn(placed.column);
        gtk_grid_attach(section.grid, placed.widget, column, placed.row - firstRow, end - column, 1);
    }
}

GtkWidget* PageLayout::finish() {
    for (const Section& section : sections_)
        attach(section);
    return page_;
}

}  // namespace host
