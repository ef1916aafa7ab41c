#include "tests/host/gtk/GtkDialogFixture.h"

#include "host/DialogSetup.h"
#include "tests/support/PpdFixture.h"
#include "tests/support/XvfbDisplay.h"

namespace host {

void GtkDialogFixture::SetUp() {
    privateDisplay();
    ASSERT_TRUE(gtk_init_check()) << "no display";
    DialogSetup setup;
    setup.ppd = samplePPDPath();
    setup.printer = "Print to File";
    setup.jobName = "Untitled";
    host_ = std::make_shared<ScriptedHost>(setup);
    plugIn_ = std::make_unique<LoadedPlugIn>(NELVO_BUNDLE_DIR);
    dialog_ =
        std::make_unique<GtkPanelDialog>(GtkPanelDialog::Parts{plugIn_->principal(), host_, "Print", setup.printer});
    alerts_ = std::make_unique<AlertDialogPresenter>(dialog_->window().window(), &alertTranscript_);
    dialog_->present();
    dialog_->showPanelTab();
}

void GtkDialogFixture::TearDown() {
    alerts_.reset();
    dialog_.reset();
    plugIn_.reset();
}

ControlAdapter& GtkDialogFixture::widgetOf(const std::string& fieldName) {
    ControlAdapter* adapter = dialog_->tab().adapterNamed(fieldName);
    if (!adapter) throw std::runtime_error("no widget for " + fieldName);
    return *adapter;
}

namespace {

GtkWidget* findNamed(GtkWidget* root, const std::string& name) {
    if (name == gtk_widget_get_name(root)) return root;
    for (GtkWidget* child = gtk_widget_get_first_child(root); child; child = gtk_widget_get_next_sibling(child))
        if (GtkWidget* found = findNamed(child, name)) return found;
    return nullptr;
}

}  // namespace

GtkWidget* GtkDialogFixture::widgetNamed(const std::string& fieldName) {
    GtkWidget* found = findNamed(dialog_->tab().widget(), fieldName);
    if (!found) throw std::runtime_error("no widget named " + fieldName);
    return found;
}

bool GtkDialogFixture::hasFocus(const std::string& fieldName) {
    GtkWidget* focus = gtk_root_get_focus(GTK_ROOT(dialog_->window().window()));
    GtkWidget* widget = widgetNamed(fieldName);
    return focus && (focus == widget || gtk_widget_is_ancestor(focus, widget));
}

}  // namespace host
