#include "host/gtk/PrintDialogWindow.h"

#include <gtk/gtkunixprint.h>

#include <chrono>
#include <optional>

#include "host/gtk/FrameWait.h"

namespace host {

namespace {

GtkWidget* firstOfType(GtkWidget* root, GType type) {
    if (G_TYPE_CHECK_INSTANCE_TYPE(root, type)) return root;
    for (GtkWidget* child = gtk_widget_get_first_child(root); child; child = gtk_widget_get_next_sibling(child))
        if (GtkWidget* found = firstOfType(child, type)) return found;
    return nullptr;
}

// The row of GTK's printer list that shows `printer`, or none.
std::optional<guint> rowOf(GListModel* rows, const std::string& printer) {
    for (guint row = 0; row < g_list_model_get_n_items(rows); ++row) {
        GObject* item = G_OBJECT(g_list_model_get_item(rows, row));
        const bool found = GTK_IS_PRINTER(item) && printer == gtk_printer_get_name(GTK_PRINTER(item));
        g_object_unref(item);
        if (found) return row;
    }
    return std::nullopt;
}

}  // namespace

PrintDialogWindow::PrintDialogWindow(const std::string& title, const std::string& printer)
    : dialog_(gtk_print_unix_dialog_new(title.c_str(), nullptr)) {
    g_object_ref_sink(dialog_);
    GtkPrintSettings* settings = gtk_print_settings_new();
    gtk_print_settings_set_printer(settings, printer.c_str());
    gtk_print_unix_dialog_set_settings(GTK_PRINT_UNIX_DIALOG(dialog_), settings);
    g_object_unref(settings);
    gtk_print_unix_dialog_set_manual_capabilities(
        GTK_PRINT_UNIX_DIALOG(dialog_),
        static_cast<GtkPrintCapabilities>(GTK_PRINT_CAPABILITY_PAGE_SET | GTK_PRINT_CAPABILITY_COPIES |
                                          GTK_PRINT_CAPABILITY_COLLATE | GTK_PRINT_CAPABILITY_REVERSE |
                                          GTK_PRINT_CAPABILITY_SCALE | GTK_PRINT_CAPABILITY_NUMBER_UP));
    // Paper size and orientation are chosen in the dialog's own tab.
    gtk_print_unix_dialog_set_embed_page_setup(GTK_PRINT_UNIX_DIALOG(dialog_), TRUE);
    responseHandler_ = g_signal_connect(dialog_, "response", G_CALLBACK(responded), this);
    if (GtkSelectionModel* rows = printerRows()) {
        initialPrinter_ = printer;
        listHandler_ = g_signal_connect(rows, "items-changed", G_CALLBACK(printersListed), this);
    }
}

PrintDialogWindow::~PrintDialogWindow() {
    g_signal_handler_disconnect(dialog_, responseHandler_);
    if (listHandler_) g_signal_handler_disconnect(printerRows(), listHandler_);
    gtk_window_destroy(GTK_WINDOW(dialog_));
    g_object_unref(dialog_);
}

void PrintDialogWindow::addTab(GtkWidget* content, const std::string& label) {
    gtk_print_unix_dialog_add_custom_tab(GTK_PRINT_UNIX_DIALOG(dialog_), content, gtk_label_new(label.c_str()));
}

void PrintDialogWindow::present() {
    gtk_window_present(GTK_WINDOW(dialog_));
}

void PrintDialogWindow::hide() {
    gtk_widget_set_visible(dialog_, FALSE);
}

void PrintDialogWindow::showTab(GtkWidget* content) {
    GtkWidget* notebook = gtk_widget_get_ancestor(content, GTK_TYPE_NOTEBOOK);
    if (!notebook) return;
    const int page = gtk_notebook_page_num(GTK_NOTEBOOK(notebook), content);
    if (page >= 0) gtk_notebook_set_current_page(GTK_NOTEBOOK(notebook), page);
}

void PrintDialogWindow::responded(GtkDialog*, int response, PrintDialogWindow* self) {
    if (response == GTK_RESPONSE_OK)
        self->answer_ = DialogAnswer::print;
    else if (response == GTK_RESPONSE_CANCEL || response == GTK_RESPONSE_DELETE_EVENT)
        self->answer_ = DialogAnswer::cancel;
}

bool PrintDialogWindow::press(DialogAnswer button) {
    const int response = button == DialogAnswer::print ? GTK_RESPONSE_OK : GTK_RESPONSE_CANCEL;
    GtkWidget* widget = gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog_), response);
    if (!widget || !gtk_widget_is_sensitive(widget)) return false;
    // The button's click, as the person's release of it gives: activating
    // would only start GTK's delayed press animation.
    g_signal_emit_by_name(widget, "clicked");
    return answer_ == button;
}

bool PrintDialogWindow::waitForPrinter(int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    return serviceUntil([this] { return gtk_print_unix_dialog_get_selected_printer(GTK_PRINT_UNIX_DIALOG(dialog_)); },
                        deadline);
}

// The list of printers is the dialog's one column view.
GtkSelectionModel* PrintDialogWindow::printerRows() const {
    GtkWidget* list = firstOfType(dialog_, GTK_TYPE_COLUMN_VIEW);
    return list ? gtk_column_view_get_model(GTK_COLUMN_VIEW(list)) : nullptr;
}

void PrintDialogWindow::printersListed(GListModel* rows, guint, guint, guint, PrintDialogWindow* self) {
    if (self->initialPrinter_.empty()) return;
    const std::optional<guint> row = rowOf(rows, self->initialPrinter_);
    if (!row) return;
    self->initialPrinter_.clear();
    if (!gtk_selection_model_is_selected(GTK_SELECTION_MODEL(rows), *row))
        gtk_selection_model_select_item(GTK_SELECTION_MODEL(rows), *row, TRUE);
}

bool PrintDialogWindow::selectPrinter(const std::string& printer) {
    GtkSelectionModel* rows = printerRows();
    const std::optional<guint> row = rows ? rowOf(G_LIST_MODEL(rows), printer) : std::nullopt;
    if (!row) return false;
    if (!gtk_selection_model_is_selected(rows, *row)) gtk_selection_model_select_item(rows, *row, TRUE);
    return true;
}

std::string PrintDialogWindow::printerName() const {
    GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(GTK_PRINT_UNIX_DIALOG(dialog_));
    return printer ? gtk_printer_get_name(printer) : std::string();
}

namespace {

void collect(const char* key, const char* value, gpointer into) {
    (*static_cast<std::map<std::string, std::string>*>(into))[key] = value;
}

// CUPS's orientation-requested for GTK's orientation.
const char* orientationRequested(GtkPageOrientation orientation) {
    switch (orientation) {
        case GTK_PAGE_ORIENTATION_PORTRAIT: return "3";
        case GTK_PAGE_ORIENTATION_LANDSCAPE: return "4";
        case GTK_PAGE_ORIENTATION_REVERSE_LANDSCAPE: return "5";
        case GTK_PAGE_ORIENTATION_REVERSE_PORTRAIT: return "6";
    }
    return "3";
}

// The page set-up as options of the CUPS printer, under GTK's prefix for
// them: the PPD's own name of the paper when it has one, else its size.
void addPageSetup(GtkPageSetup* page, std::map<std::string, std::string>& values) {
    if (GtkPaperSize* paper = gtk_page_setup_get_paper_size(page)) {
        values[GTK_PRINT_SETTINGS_PAPER_FORMAT] = gtk_paper_size_get_name(paper);
        if (const char* ppdName = gtk_paper_size_get_ppd_name(paper)) {
            values["cups-PageSize"] = ppdName;
        } else {
            char size[64];
            g_snprintf(size, sizeof size, "%s_%gx%gmm", gtk_paper_size_get_name(paper),
                       gtk_paper_size_get_width(paper, GTK_UNIT_MM), gtk_paper_size_get_height(paper, GTK_UNIT_MM));
            values["cups-media"] = size;
        }
    }
    values["cups-orientation-requested"] = orientationRequested(gtk_page_setup_get_orientation(page));
}

}  // namespace

std::map<std::string, std::string> PrintDialogWindow::gtkSettings() const {
    std::map<std::string, std::string> values;
    GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(GTK_PRINT_UNIX_DIALOG(dialog_));
    gtk_print_settings_foreach(settings, collect, &values);
    g_object_unref(settings);
    if (GtkPageSetup* page = gtk_print_unix_dialog_get_page_setup(GTK_PRINT_UNIX_DIALOG(dialog_)))
        addPageSetup(page, values);
    return values;
}

void PrintDialogWindow::setGtkSetting(const std::string& key, const std::string& value) {
    GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(GTK_PRINT_UNIX_DIALOG(dialog_));
    gtk_print_settings_set(settings, key.c_str(), value.c_str());
    // The printer stays chosen as it is: naming it would have GTK wait for
    // it anew and choose it over the person's next pick.
    gtk_print_settings_unset(settings, GTK_PRINT_SETTINGS_PRINTER);
    gtk_print_unix_dialog_set_settings(GTK_PRINT_UNIX_DIALOG(dialog_), settings);
    g_object_unref(settings);
}

void PrintDialogWindow::startWith(const std::map<std::string, std::string>& values) {
    GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(GTK_PRINT_UNIX_DIALOG(dialog_));
    for (const auto& [key, value] : values)
        gtk_print_settings_set(settings, key.c_str(), value.c_str());
    if (!initialPrinter_.empty()) gtk_print_settings_set_printer(settings, initialPrinter_.c_str());
    gtk_print_unix_dialog_set_settings(GTK_PRINT_UNIX_DIALOG(dialog_), settings);
    g_object_unref(settings);
}

void PrintDialogWindow::setPageSetup(const std::string& paper, GtkPageOrientation orientation) {
    GtkPageSetup* page = gtk_page_setup_new();
    GtkPaperSize* size = gtk_paper_size_new(paper.c_str());
    gtk_page_setup_set_paper_size_and_default_margins(page, size);
    gtk_page_setup_set_orientation(page, orientation);
    gtk_print_unix_dialog_set_page_setup(GTK_PRINT_UNIX_DIALOG(dialog_), page);
    gtk_paper_size_free(size);
    g_object_unref(page);
}

}  // namespace host
