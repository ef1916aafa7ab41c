// The panel's tab view as a GTK notebook; the pages hold the controls of
// each tab, laid out by the panel tab.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSTabView;

namespace host {

class TabViewAdapter : public ControlAdapter {
public:
    TabViewAdapter(NSTabView& tabs, UserOperations& operations);

    // Adds the page of the next tab.
    void appendPage(GtkWidget* page);
    void followModel() override;
    platform::UserResult select(int index) override;

private:
    static void pageSwitched(GtkNotebook*, GtkWidget*, guint index, TabViewAdapter* self);

    NSTabView& tabs_;
};

}  // namespace host
