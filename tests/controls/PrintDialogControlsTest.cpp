// The controls operated through print-dialog, as a script drives them.
#include <gtest/gtest.h>

#include "tests/support/PrintDialogRunner.h"

namespace {

// The typical print through print-dialog is run by tests/preferences and
// tests/host/terminal; here the refusals of controls the user cannot operate.
TEST(PrintDialogControls, RefusesADisabledOrFrozenControlNamingTheLineAndTheReason) {
    const std::pair<std::string, std::string> refusals[] = {
        {"select folderSelectionPopup 0\nclick retentionCheckBox\nclick suspendKeyButton\n",
         "line 5: cannot operate 'suspendKeyButton': control is disabled"},
        {"click jobNameButton\ntype jobNameEditText Report\n",
         "line 4: cannot operate 'jobNameEditText': field is not editable"},
    };
    for (const auto& [script, error] : refusals) {
        const ProgramResult result = runPrintDialog({}, "open\nview\n" + script);
        EXPECT_EQ(result.exitStatus, 2) << error;
        EXPECT_EQ(result.err, "print-dialog: " + error + "\n");
    }
}

}  // namespace
