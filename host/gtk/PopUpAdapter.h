// A pop-up menu of the panel as a GTK drop-down: each item with its image
// (the padlock on a protected folder), separators as lines that cannot be
// chosen. The drop-down's list is made again whenever the menu changes (the
// folder fetch adds the device's folders).
#pragma once

#include <string>

#include "host/gtk/ControlAdapter.h"

class NSPopUpButton;
class NSMenuItem;

namespace host {

class PopUpAdapter : public ControlAdapter {
public:
    PopUpAdapter(NSPopUpButton& popUp, UserOperations& operations);
    ~PopUpAdapter() override;

    void followModel() override;
    platform::UserResult select(int index) override;

    // The number of rows the drop-down offers, for a test to compare.
    unsigned rowCount() const;

private:
    static void selectedChanged(GtkDropDown* dropDown, GParamSpec*, PopUpAdapter* self);
    static void setUpRow(GtkSignalListItemFactory*, GtkListItem* row, PopUpAdapter* self);
    static void bindRow(GtkSignalListItemFactory*, GtkListItem* row, PopUpAdapter* self);
    // What the drop-down shows for the menu as it is now.
    std::string menuSignature() const;

    NSPopUpButton& popUp_;
    GtkStringList* titles_;
    std::string shownMenu_;
};

}  // namespace host
