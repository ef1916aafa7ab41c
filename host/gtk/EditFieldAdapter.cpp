#include "host/gtk/EditFieldAdapter.h"

#include <algorithm>
#include <cstring>

#include "host/gtk/DisplayAdapters.h"
#include "platform/controls/TextFields.h"
#include "platform/text/Utf16.h"

namespace host {

namespace {

GtkWidget* entryFor(const NSTextField& field) {
    if (!holdsSecret(field)) return gtk_entry_new();
    GtkWidget* entry = gtk_password_entry_new();
    gtk_password_entry_set_show_peek_icon(GTK_PASSWORD_ENTRY(entry), TRUE);
    return entry;
}

// The text widget inside the entry: it emits the edit signals.
GtkEditable* textOf(GtkWidget* entry) {
    GtkEditable* delegate = gtk_editable_get_delegate(GTK_EDITABLE(entry));
    return delegate ? delegate : GTK_EDITABLE(entry);
}

}  // namespace

bool holdsSecret(const NSTextField& field) {
    const std::string& name = field.fieldName();
    return name == "suspendKeyEditText" || name == "folderPasswordEditText" || name == "passwordEditText";
}

EditFieldAdapter::EditFieldAdapter(NSTextField& field, UserOperations& operations)
    : ControlAdapter(field, entryFor(field), operations), field_(field), editable_(textOf(widget())) {
    gtk_editable_set_width_chars(GTK_EDITABLE(widget()), 24);
    connect(editable_, "insert-text", G_CALLBACK(inserting));
    connect(editable_, "delete-text", G_CALLBACK(deleting));
    GtkEventController* focus = gtk_event_controller_focus_new();
    gtk_widget_add_controller(widget(), focus);
    connect(focus, "enter", G_CALLBACK(focusEntered));
}

// The widget's own edit is stopped: the model makes the edit, and the
// widget follows what the model holds afterwards.
void EditFieldAdapter::inserting(GtkEditable* text, const char* typed, int length, int* position,
                                 EditFieldAdapter* self) {
    if (self->following_) return;
    g_signal_stop_emission_by_name(text, "insert-text");
    const std::string inserted(typed, length < 0 ? std::strlen(typed) : static_cast<size_t>(length));
    const int at = *position;
    self->operate([self, &inserted, at] { return self->typeIntoModel(inserted, at); });
    *position = self->caretCharacters();
}

void EditFieldAdapter::deleting(GtkEditable* text, int start, int end, EditFieldAdapter* self) {
    if (self->following_) return;
    g_signal_stop_emission_by_name(text, "delete-text");
    self->operate([self, start, end] { return self->deleteInModel(start, end); });
}

void EditFieldAdapter::focusEntered(GtkEventControllerFocus*, EditFieldAdapter* self) {
    if (self->following_) return;
    // The person clicked or tabbed into the field: it has the panel's
    // keyboard focus.
    self->field_.window().makeFirstResponder(&self->field_);
}

int EditFieldAdapter::lengthCharacters() const {
    return static_cast<int>(g_utf8_strlen(field_.stringValue().c_str(), -1));
}

// The model's caret goes where GTK's is, as the person's arrow keys would
// move it; a caret already there stays, so typing on costs no moves.
platform::UserResult EditFieldAdapter::moveModelCaretTo(int position) {
    const bool focused = field_.window().firstResponder() == &field_;
    if (focused && field_.selectedRange().length == 0 && caretCharacters() == position)
        return platform::UserResult::done;
    if (position >= lengthCharacters()) return field_.userMoveCaret(NSTextField::CaretMove::end);
    platform::UserResult result = field_.userMoveCaret(NSTextField::CaretMove::start);
    for (int moved = 0; moved < position && result == platform::UserResult::done; ++moved)
        result = field_.userMoveCaret(NSTextField::CaretMove::right);
    return result;
}

platform::UserResult EditFieldAdapter::typeIntoModel(const std::string& typed, int position) {
    const platform::UserResult placed = moveModelCaretTo(position);
    return placed == platform::UserResult::done ? field_.userInsertText(typed) : placed;
}

platform::UserResult EditFieldAdapter::deleteInModel(int start, int end) {
    const int length = lengthCharacters();
    if (end < 0 || end > length) end = length;
    if (start <= 0 && end >= length) return field_.userEraseAll();
    // Backspace over what GTK would delete, from its end.
    platform::UserResult result = moveModelCaretTo(end);
    for (int count = start; count < end && result == platform::UserResult::done; ++count)
        result = field_.userDeleteBackward();
    return result;
}

int EditFieldAdapter::caretCharacters() const {
    const std::u16string text = platform::utf16FromUtf8(field_.stringValue());
    const size_t caret = std::min<size_t>(field_.selectedRange().location + field_.selectedRange().length, text.size());
    return static_cast<int>(g_utf8_strlen(platform::utf8FromUtf16(text.substr(0, caret)).c_str(), -1));
}

void EditFieldAdapter::followModel() {
    following_ = true;
    ControlAdapter::followModel();
    // A field the panel dims (grey and not editable) is no place to type:
    // GTK shows it insensitive, as the original dialog greys it out.
    gtk_widget_set_sensitive(widget(), field_.isEnabled() && field_.isEditable());
    gtk_editable_set_editable(GTK_EDITABLE(widget()), field_.isEditable());
    gtk_widget_set_focusable(GTK_WIDGET(editable_), field_.isSelectable());
    followTextColour(widget(), field_);
    const char* shown = gtk_editable_get_text(GTK_EDITABLE(widget()));
    if (field_.stringValue() != shown) gtk_editable_set_text(GTK_EDITABLE(widget()), field_.stringValue().c_str());
    gtk_editable_set_position(GTK_EDITABLE(widget()), caretCharacters());
    following_ = false;
}

platform::UserResult EditFieldAdapter::type(const std::string& text) {
    return byPerson(widget(), [this, &text] {
        gtk_widget_grab_focus(widget());
        int end = static_cast<int>(g_utf8_strlen(gtk_editable_get_text(GTK_EDITABLE(widget())), -1));
        gtk_editable_insert_text(GTK_EDITABLE(widget()), text.c_str(), -1, &end);
    });
}

platform::UserResult EditFieldAdapter::erase() {
    return byPerson(widget(), [this] {
        gtk_widget_grab_focus(widget());
        gtk_editable_delete_text(GTK_EDITABLE(widget()), 0, -1);
    });
}

}  // namespace host
