// The GTK side of one control of the panel's view. It shows what the
// control holds, and turns a person's input on its widget into the control
// model's user operation; the panel's own logic stays in the model. Scripts
// and tests give input through the same widgets (click, select, type,
// erase), never around them.
#pragma once

#include <gtk/gtk.h>

#include <functional>

#include <string>
#include <vector>

#include "platform/controls/UserResult.h"

class NSControl;

namespace host {

class UserOperations;

class ControlAdapter {
public:
    virtual ~ControlAdapter();
    ControlAdapter(const ControlAdapter&) = delete;
    ControlAdapter& operator=(const ControlAdapter&) = delete;

    NSControl& control() const { return control_; }
    // The widget named after the control's field.
    GtkWidget* widget() const { return widget_; }
    // The widgets to lay out, one per layout row from the control's own row
    // (a radio matrix has one per cell).
    virtual std::vector<GtkWidget*> rowWidgets() const { return {widget_}; }

    // Makes the widgets show what the control holds now.
    virtual void followModel();

    // A person's gesture on the widget; the answer is what the model made
    // of it. An insensitive widget takes no gesture: disabled. Throws
    // UsageError for a gesture that this kind of widget does not take.
    virtual platform::UserResult click();
    virtual platform::UserResult select(int index);
    virtual platform::UserResult type(const std::string& text);
    virtual platform::UserResult erase();

protected:
    ControlAdapter(NSControl& control, GtkWidget* widget, UserOperations& operations);

    // Runs the person's input through the control model.
    platform::UserResult operate(const std::function<platform::UserResult()>& operation);
    // Performs `gesture` on the widget and gives what the model made of it.
    platform::UserResult byPerson(GtkWidget* target, const std::function<void()>& gesture);
    // Connects `handler` to `signal` of `instance`, disconnected when the
    // adapter goes (the widget may outlive it inside the dialog).
    void connect(gpointer instance, const char* signal, GCallback handler);
    [[noreturn]] void refuseGesture(const char* gesture) const;

    // True while followModel changes the widgets: their signals then are no
    // person's input.
    bool following_ = false;

private:
    NSControl& control_;
    GtkWidget* widget_;
    UserOperations& operations_;
    std::vector<std::pair<GObject*, gulong>> handlers_;
};

// Shows `control`'s enabled and hidden state on `widget`.
void followEnabledAndHidden(GtkWidget* widget, const NSControl& control);

}  // namespace host
