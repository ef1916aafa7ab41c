// The panel's tab in GTK's print dialog, driven through its widgets as a
// person would: the typical print's widgets follow the panel (what reaches
// the job: tests/host/cups/FrontEndPrintTest.cpp), a dimmed field takes no
// typing, and the keyboard focus goes where the panel puts it.
#include <functional>

#include "platform/controls/TextFields.h"
#include "tests/host/gtk/GtkDialogFixture.h"

namespace host {

using platform::UserResult;

namespace {

const char* shownText(ControlAdapter& adapter) {
    return gtk_editable_get_text(GTK_EDITABLE(adapter.widget()));
}

}  // namespace

TEST_F(GtkDialogFixture, TheTypicalPrintsChoicesShowInTheWidgets) {
    EXPECT_EQ(widgetOf("retentionCheckBox").click(), UserResult::done);
    EXPECT_TRUE(gtk_check_button_get_active(GTK_CHECK_BUTTON(widgetNamed("holdOnlyRadioButton"))));
    ControlAdapter& passCode = widgetOf("suspendKeyEditText");
    EXPECT_TRUE(gtk_widget_is_sensitive(passCode.widget()));
    EXPECT_TRUE(GTK_IS_PASSWORD_ENTRY(passCode.widget()));
    ControlAdapter& lock = widgetOf("suspendKeyButton");
    EXPECT_EQ(lock.click(), UserResult::done);
    EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(lock.widget())));
}

TEST_F(GtkDialogFixture, ADimmedFieldIsInsensitiveAndTakesNoTyping) {
    // Without retention the pass code is dimmed: the person cannot reach it.
    ControlAdapter& passCode = widgetOf("suspendKeyEditText");
    EXPECT_FALSE(gtk_widget_is_sensitive(passCode.widget()));
    EXPECT_EQ(passCode.type("123"), UserResult::disabled);
    EXPECT_STREQ(shownText(passCode), "");

    // Even typing that reaches the widget (a paste) goes to the model, which
    // refuses it; the widget keeps showing the model's text.
    int position = 0;
    gtk_editable_insert_text(GTK_EDITABLE(passCode.widget()), "99", -1, &position);
    EXPECT_STREQ(shownText(passCode), "");
    EXPECT_EQ(controlOf<NSTextField>("suspendKeyEditText").stringValue(), "");
}

// Choosing the mode chosen already runs its action too, as in the scripted
// dialog: the focus goes back to the login name.
TEST_F(GtkDialogFixture, SwitchingTheAuthenticationModeMovesTheFocusAsThePanelSays) {
    ASSERT_EQ(widgetOf("tabView").select(1), UserResult::done);
    EXPECT_EQ(gtk_notebook_get_current_page(GTK_NOTEBOOK(widgetNamed("tabView"))), 1);
    ASSERT_EQ(widgetOf("passwordEditText").type("pw"), UserResult::done);
    ASSERT_TRUE(hasFocus("passwordEditText"));
    ASSERT_EQ(widgetOf("authenticationMatrix").select(0), UserResult::done);
    EXPECT_TRUE(hasFocus("loginNameEditText"));
    EXPECT_TRUE(gtk_check_button_get_active(GTK_CHECK_BUTTON(widgetNamed("authenticationRadioButton"))));

    ASSERT_EQ(widgetOf("authenticationMatrix").select(1), UserResult::done);
    EXPECT_TRUE(hasFocus("userNumberEditText"));
    EXPECT_FALSE(gtk_widget_is_sensitive(widgetNamed("loginNameEditText")));

    ASSERT_EQ(widgetOf("authenticationMatrix").select(0), UserResult::done);
    EXPECT_TRUE(hasFocus("loginNameEditText"));
    // Typing where the focus is goes to that field.
    EXPECT_EQ(widgetOf("loginNameEditText").type("alice"), UserResult::done);
    EXPECT_EQ(controlOf<NSTextField>("loginNameEditText").stringValue(), "alice");
}

TEST_F(GtkDialogFixture, EditsOnTheEntryGoThroughTheFieldsFilter) {
    ASSERT_EQ(widgetOf("retentionCheckBox").click(), UserResult::done);
    ControlAdapter& passCode = widgetOf("suspendKeyEditText");
    GtkEditable* entry = GTK_EDITABLE(passCode.widget());
    const auto insertAt = [entry](int position, const char* text) {
        gtk_editable_insert_text(entry, text, -1, &position);
    };
    struct Edit {
        const char* what;
        std::function<void()> gesture;
        const char* expected;
        int caret;
    };
    const Edit edits[] = {
        {"typing with a letter in it", [&] { passCode.type("12a34"); }, "1234", 4},
        {"Backspace at the end", [&] { gtk_editable_delete_text(entry, 3, 4); }, "123", 3},
        {"typing on where it left off", [&] { insertAt(3, "9"); }, "1239", 4},
        {"typing at the entry's caret in the middle", [&] { insertAt(1, "5"); }, "15239", 2},
        {"a letter there, refused", [&] { insertAt(1, "x"); }, "15239", 1},
        {"a digit in the middle of a full field, refused", [&] { insertAt(2, "8"); }, "15239", 2},
        {"deleting in the middle", [&] { gtk_editable_delete_text(entry, 2, 4); }, "159", 2},
        {"typing at the start", [&] { insertAt(0, "7"); }, "7159", 1},
        {"select all and delete", [&] { gtk_editable_delete_text(entry, 0, -1); }, "", 0},
        {"a paste that fills the field exactly", [&] { insertAt(0, "12345"); }, "12345", 5},
    };
    for (const Edit& edit : edits) {
        edit.gesture();
        EXPECT_EQ(controlOf<NSTextField>("suspendKeyEditText").stringValue(), edit.expected) << edit.what;
        EXPECT_STREQ(shownText(passCode), edit.expected) << edit.what;
        EXPECT_EQ(gtk_editable_get_position(entry), edit.caret) << edit.what;
    }
    // Filling the field exactly is no overflow: nothing is cut or selected.
    EXPECT_EQ(controlOf<NSTextField>("suspendKeyEditText").selectedRange().length, 0u);
}

}  // namespace host
