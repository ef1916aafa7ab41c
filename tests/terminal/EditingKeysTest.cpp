// Backspace, Delete, pasting and the space bar in a field of the running
// dialog (the field's editing itself is tested with the controls).
#include <gtest/gtest.h>

#include "tests/terminal/PtyDialog.h"

TEST(FieldEditing, KeysAndPastesInTheTerminal) {
    PtyDialog dialog({});
    dialog.waitForText("Printer's Address:");
    // The device address has no input filter, whatever the panel installs.
    dialog.enterAddressField();
    dialog.send(keys::deleteKey);
    dialog.send("10.0.0.9");
    ScreenFrame screen = dialog.waitForText("Printer's Address:    10.0.0.9_");
    const int row = screen.rowOf("Printer's Address:");
    screen = dialog.press(keys::backspace);
    EXPECT_NE(screen.text[static_cast<size_t>(row)].find("10.0.0._"), std::string::npos) << screen.picture();
    screen = dialog.press(keys::deleteKey);
    EXPECT_NE(screen.text[static_cast<size_t>(row)].find(":    ____"), std::string::npos) << screen.picture();

    // A bracketed paste arrives whole; its line break has no place in the field.
    dialog.send(std::string(keys::pasteBegin) + "printer.local:8080\r\n" + keys::pasteEnd);
    dialog.waitForText("printer.local:8080_");
    // A space is typed into a field, not taken as a press.
    dialog.send(keys::space);
    dialog.send("x");
    dialog.waitForText("printer.local:8080 x_");
    EXPECT_EQ(dialog.cancel(), 1);
}
