// The controls operated through print-dialog, as a script drives them.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/host/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// The typical print through print-dialog is run by tests/preferences and
// tests/terminal; here the refusals of controls the user cannot operate.
TEST(PrintDialogControls, RefusesAControlTheUserCannotOperateNamingTheLineAndTheReason) {
    struct Refusal {
        std::string script;  // after "open" and "view"
        std::string error;
    };
    const Refusal refusals[] = {
        {"select folderSelectionPopup 0\nclick retentionCheckBox\nclick suspendKeyButton\n",
         "line 5: cannot operate 'suspendKeyButton': control is disabled"},
        {"click jobNameButton\ntype jobNameEditText Report\n",
         "line 4: cannot operate 'jobNameEditText': field is not editable"},
        {"select suspendMatrix 3\n", "line 3: cannot operate 'suspendMatrix': index is out of range"},
        {"select folderSelectionPopup -1\n", "line 3: cannot operate 'folderSelectionPopup': index is out of range"},
    };
    for (const Refusal& refusal : refusals) {
        const ProgramResult result = runPrintDialog({}, "open\nview\n" + refusal.script);
        EXPECT_EQ(result.exitStatus, 2) << refusal.error;
        EXPECT_EQ(result.err, "print-dialog: " + refusal.error + "\n");
    }
}

TEST(PrintDialogControls, RefusesAControlThatTheLayoutLacks) {
    TempDir dir;
    fs::copy(NELVO_BUNDLE_DIR, dir.path() / "Sparse.plugin", fs::copy_options::recursive);
    dir.write("Sparse.plugin/Contents/Resources/JobControl5.json",
              R"({"controls": [{"name": "retentionCheckBox", "kind": "checkBox", "action": "retentionCBoxProc:"}]})");
    const ProgramResult result = runPrintDialog({"--bundle", (dir.path() / "Sparse.plugin").string()},
                                                "open\nclick retentionCheckBox\nclick suspendKeyButton\n");
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "print-dialog: line 3: the panel has no control named 'suspendKeyButton'\n");
}

}  // namespace
