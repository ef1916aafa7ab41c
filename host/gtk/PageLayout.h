// Lays out the controls of one tab on a GTK page, from the rows and columns
// the layout gives them. A box begins a frame that holds the controls after
// it until one stands at the tab's left edge again; the other controls
// stand in grids between the frames. Each distinct layout column is one grid
// column, and a widget spans to the next widget on its row, so that labels
// and fields line up as the layout means them to.
#pragma once

#include <gtk/gtk.h>

#include <vector>

namespace host {

class ControlAdapter;

class PageLayout {
public:
    PageLayout();

    // Adds the adapter's widgets; in layout order.
    void add(const ControlAdapter& adapter);
    // Attaches every widget to its grid and gives the page.
    GtkWidget* finish();

private:
    struct Placed {
        GtkWidget* widget;
        int row;
        int column;
    };
    struct Section {
        GtkGrid* grid;
        bool framed;
        std::vector<Placed> placed;
    };

    void beginSection(GtkGrid* grid, bool framed);
    static void attach(const Section& section);

    GtkWidget* page_;
    std::vector<Section> sections_;
};

}  // namespace host
