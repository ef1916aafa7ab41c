#include "host/gtk/TabViewAdapter.h"

#include "platform/controls/Containers.h"

namespace host {

TabViewAdapter::TabViewAdapter(NSTabView& tabs, UserOperations& operations)
    : ControlAdapter(tabs, gtk_notebook_new(), operations), tabs_(tabs) {
    connect(widget(), "switch-page", G_CALLBACK(pageSwitched));
}

void TabViewAdapter::appendPage(GtkWidget* page) {
    following_ = true;
    const int index = gtk_notebook_get_n_pages(GTK_NOTEBOOK(widget()));
    const NSTabViewItem* item = tabs_.tabViewItemAtIndex(index);
    gtk_notebook_append_page(GTK_NOTEBOOK(widget()), page, gtk_label_new(item ? item->label().c_str() : ""));
    following_ = false;
}

void TabViewAdapter::pageSwitched(GtkNotebook*, GtkWidget*, guint index, TabViewAdapter* self) {
    if (self->following_) return;
    const int tab = static_cast<int>(index);
    self->operate([self, tab] { return self->tabs_.userSelectTabViewItemAtIndex(tab); });
}

void TabViewAdapter::followModel() {
    following_ = true;
    ControlAdapter::followModel();
    GtkNotebook* notebook = GTK_NOTEBOOK(widget());
    for (int index = 0; index < gtk_notebook_get_n_pages(notebook); ++index)
        if (const NSTabViewItem* item = tabs_.tabViewItemAtIndex(index))
            gtk_notebook_set_tab_label_text(notebook, gtk_notebook_get_nth_page(notebook, index),
                                            item->label().c_str());
    if (tabs_.indexOfSelectedTabViewItem() >= 0)
        gtk_notebook_set_current_page(notebook, tabs_.indexOfSelectedTabViewItem());
    following_ = false;
}

platform::UserResult TabViewAdapter::select(int index) {
    if (index < 0 || index >= tabs_.numberOfTabViewItems()) return platform::UserResult::outOfRange;
    return byPerson(widget(), [this, index] { gtk_notebook_set_current_page(GTK_NOTEBOOK(widget()), index); });
}

}  // namespace host
