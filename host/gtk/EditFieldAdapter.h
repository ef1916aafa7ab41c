// An edit field of the panel as a GTK entry; the pass-code and password
// fields as password entries with GTK's peek icon. Typing and deleting on
// the widget go to the field's user operations at the entry's own caret
// (the model's caret moved there first; typing through the field's input
// filter); the widget then shows the model's text and caret, so what the
// filter refused never appears.
#pragma once

#include "host/gtk/ControlAdapter.h"

class NSTextField;

namespace host {

class EditFieldAdapter : public ControlAdapter {
public:
    EditFieldAdapter(NSTextField& field, UserOperations& operations);

    void followModel() override;
    // Clicks into the field, then types `text` at its end.
    platform::UserResult type(const std::string& text) override;
    // Selects the whole text and deletes it.
    platform::UserResult erase() override;

private:
    static void inserting(GtkEditable* text, const char* typed, int length, int* position, EditFieldAdapter* self);
    static void deleting(GtkEditable* text, int start, int end, EditFieldAdapter* self);
    static void focusEntered(GtkEventControllerFocus*, EditFieldAdapter* self);
    // Positions count characters, as GTK counts them.
    platform::UserResult typeIntoModel(const std::string& typed, int position);
    platform::UserResult deleteInModel(int start, int end);
    platform::UserResult moveModelCaretTo(int position);
    int caretCharacters() const;
    int lengthCharacters() const;

    NSTextField& field_;
    GtkEditable* editable_;
};

// Whether the field holds a secret that the dialog shows masked.
bool holdsSecret(const NSTextField& field);

}  // namespace host
