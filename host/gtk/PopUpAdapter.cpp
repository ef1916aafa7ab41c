#include "host/gtk/PopUpAdapter.h"

#include <vector>

#include "platform/controls/Menus.h"

namespace host {

PopUpAdapter::PopUpAdapter(NSPopUpButton& popUp, UserOperations& operations)
    : ControlAdapter(popUp, gtk_drop_down_new(nullptr, nullptr), operations),
      popUp_(popUp),
      titles_(gtk_string_list_new(nullptr)) {
    GtkListItemFactory* factory = gtk_signal_list_item_factory_new();
    connect(factory, "setup", G_CALLBACK(setUpRow));
    connect(factory, "bind", G_CALLBACK(bindRow));
    gtk_drop_down_set_factory(GTK_DROP_DOWN(widget()), factory);
    g_object_unref(factory);
    gtk_drop_down_set_model(GTK_DROP_DOWN(widget()), G_LIST_MODEL(titles_));
    gtk_widget_set_halign(widget(), GTK_ALIGN_START);
    connect(widget(), "notify::selected", G_CALLBACK(selectedChanged));
}

PopUpAdapter::~PopUpAdapter() {
    g_object_unref(titles_);
}

// A row holds an image and a title, or a separator line.
void PopUpAdapter::setUpRow(GtkSignalListItemFactory*, GtkListItem* row, PopUpAdapter*) {
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
    gtk_box_append(GTK_BOX(box), gtk_image_new());
    gtk_box_append(GTK_BOX(box), gtk_label_new(nullptr));
    gtk_box_append(GTK_BOX(box), gtk_separator_new(GTK_ORIENTATION_HORIZONTAL));
    gtk_list_item_set_child(row, box);
}

void PopUpAdapter::bindRow(GtkSignalListItemFactory*, GtkListItem* row, PopUpAdapter* self) {
    GtkWidget* box = gtk_list_item_get_child(row);
    GtkWidget* image = gtk_widget_get_first_child(box);
    GtkWidget* title = gtk_widget_get_next_sibling(image);
    GtkWidget* line = gtk_widget_get_next_sibling(title);
    const NSMenuItem* item = self->popUp_.itemAtIndex(static_cast<int>(gtk_list_item_get_position(row)));
    const bool separator = !item || item->isSeparatorItem();
    gtk_list_item_set_selectable(row, !separator);
    gtk_list_item_set_activatable(row, !separator);
    gtk_widget_set_visible(line, separator);
    gtk_widget_set_hexpand(line, separator);
    gtk_widget_set_valign(line, GTK_ALIGN_CENTER);
    gtk_widget_set_visible(title, !separator);
    gtk_label_set_text(GTK_LABEL(title), separator ? "" : item->title().c_str());
    const std::shared_ptr<NSImage>& picture = separator ? nullptr : item->image();
    gtk_widget_set_visible(image, picture != nullptr);
    if (picture) {
        gtk_image_set_from_file(GTK_IMAGE(image), picture->path().c_str());
        gtk_image_set_pixel_size(GTK_IMAGE(image), static_cast<int>(picture->size().height));
    }
}

std::string PopUpAdapter::menuSignature() const {
    std::string signature;
    for (int index = 0; index < popUp_.numberOfItems(); ++index) {
        const NSMenuItem* item = popUp_.itemAtIndex(index);
        signature += item->isSeparatorItem() ? std::string("-") : "+" + item->title();
        signature += item->image() ? "|" + item->image()->path() : std::string("|");
        signature += '\n';
    }
    return signature;
}

void PopUpAdapter::followModel() {
    following_ = true;
    ControlAdapter::followModel();
    if (const std::string signature = menuSignature(); signature != shownMenu_) {
        shownMenu_ = signature;
        std::vector<std::string> titles;
        for (int index = 0; index < popUp_.numberOfItems(); ++index)
            titles.push_back(popUp_.itemAtIndex(index)->title());
        std::vector<const char*> pointers;
        for (const std::string& title : titles)
            pointers.push_back(title.c_str());
        pointers.push_back(nullptr);
        gtk_string_list_splice(titles_, 0, g_list_model_get_n_items(G_LIST_MODEL(titles_)), pointers.data());
    }
    const int selected = popUp_.indexOfSelectedItem();
    gtk_drop_down_set_selected(GTK_DROP_DOWN(widget()),
                               selected < 0 ? GTK_INVALID_LIST_POSITION : static_cast<guint>(selected));
    following_ = false;
}

void PopUpAdapter::selectedChanged(GtkDropDown* dropDown, GParamSpec*, PopUpAdapter* self) {
    if (self->following_) return;
    // GTK may hold back the notification of a change that followModel made
    // until after it returned: a selection that is the model's own is none
    // of the person's doing.
    const guint selected = gtk_drop_down_get_selected(dropDown);
    if (selected == GTK_INVALID_LIST_POSITION || static_cast<int>(selected) == self->popUp_.indexOfSelectedItem())
        return;
    const int index = static_cast<int>(selected);
    self->operate([self, index] { return self->popUp_.userSelectItemAtIndex(index); });
}

platform::UserResult PopUpAdapter::select(int index) {
    if (index < 0 || index >= popUp_.numberOfItems()) return platform::UserResult::outOfRange;
    return byPerson(widget(),
                    [this, index] { gtk_drop_down_set_selected(GTK_DROP_DOWN(widget()), static_cast<guint>(index)); });
}

unsigned PopUpAdapter::rowCount() const {
    return g_list_model_get_n_items(G_LIST_MODEL(titles_));
}

}  // namespace host
