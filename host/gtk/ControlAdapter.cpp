#include "host/gtk/ControlAdapter.h"

#include "host/InputText.h"
#include "host/gtk/UserOperations.h"
#include "platform/controls/NSControl.h"

namespace host {

ControlAdapter::ControlAdapter(NSControl& control, GtkWidget* widget, UserOperations& operations)
    : control_(control), widget_(widget), operations_(operations) {
    g_object_ref_sink(widget_);
    gtk_widget_set_name(widget_, control.fieldName().c_str());
}

ControlAdapter::~ControlAdapter() {
    for (const auto& [instance, handler] : handlers_) {
        g_signal_handler_disconnect(instance, handler);
        g_object_unref(instance);
    }
    g_object_unref(widget_);
}

void ControlAdapter::connect(gpointer instance, const char* signal, GCallback handler) {
    GObject* object = G_OBJECT(instance);
    handlers_.emplace_back(G_OBJECT(g_object_ref(object)), g_signal_connect(object, signal, handler, this));
}

void ControlAdapter::followModel() {
    for (GtkWidget* widget : rowWidgets())
        followEnabledAndHidden(widget, control_);
}

platform::UserResult ControlAdapter::operate(const std::function<platform::UserResult()>& operation) {
    return operations_.run(operation);
}

platform::UserResult ControlAdapter::byPerson(GtkWidget* target, const std::function<void()>& gesture) {
    if (!gtk_widget_is_sensitive(target)) return platform::UserResult::disabled;
    if (!gtk_widget_is_visible(target)) return platform::UserResult::hidden;
    operations_.forgetLastResult();
    gesture();
    // A gesture that changes nothing on the widget (choosing what is chosen
    // already) reaches no operation.
    return operations_.lastResult().value_or(platform::UserResult::done);
}

void ControlAdapter::refuseGesture(const char* gesture) const {
    throw UsageError("'" + control_.fieldName() + "' cannot be " + gesture);
}

platform::UserResult ControlAdapter::click() {
    refuseGesture("clicked");
}
platform::UserResult ControlAdapter::select(int) {
    refuseGesture("selected from");
}
platform::UserResult ControlAdapter::type(const std::string&) {
    refuseGesture("typed into");
}
platform::UserResult ControlAdapter::erase() {
    refuseGesture("erased");
}

void followEnabledAndHidden(GtkWidget* widget, const NSControl& control) {
    gtk_widget_set_sensitive(widget, control.isEnabled());
    gtk_widget_set_visible(widget, !control.isHidden());
}

}  // namespace host
