// The controls operated through print-dialog, as a script drives them.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/host/PrintDialogRunner.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// The view that the script's last `dump` printed: "{" and "}" on lines of their own.
nlohmann::json lastDump(const std::string& out) {
    const size_t start = out.rfind("\n{\n");
    const size_t end = start == std::string::npos ? start : out.find("\n}\n", start);
    if (end == std::string::npos) return nullptr;
    return nlohmann::json::parse(out.substr(start + 1, end + 1 - start), nullptr, false);
}

TEST(PrintDialogControls, TheTypicalPrintLocksAThreeDigitPassCode) {
    const ProgramResult result = runPrintDialog({}, "open\nview\nrestore\nshow\nclick retentionCheckBox\n"
                                                    "select suspendMatrix 0\ntype suspendKeyEditText 123\n"
                                                    "click suspendKeyButton\ndump\nprint\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const nlohmann::json dump = lastDump(result.out);
    ASSERT_TRUE(dump.is_object()) << result.out;
    const nlohmann::json& controls = dump["controls"];
    EXPECT_EQ(controls["retentionCheckBox"]["state"], 1);
    EXPECT_EQ(controls["suspendMatrix"]["selectedRow"], 0);
    EXPECT_EQ(controls["suspendKeyEditText"]["text"], "123");
    EXPECT_EQ(controls["suspendKeyEditText"]["editable"], false);
    EXPECT_EQ(controls["suspendKeyEditText"]["textColor"], "gray");
    EXPECT_EQ(controls["suspendKeyButton"]["image"], "lock");
    EXPECT_EQ(controls["folderSelectionPopup"]["selectedIndex"], 1);
    EXPECT_EQ(controls["folderPasswordEditText"]["textColor"], "gray");
    EXPECT_EQ(controls["chasingArrow"]["hidden"], true);
    EXPECT_EQ(dump["focus"], nullptr);
    EXPECT_NE(result.out.find("\nprint: YES\n"), std::string::npos);
}

struct Refusal {
    const char* name;
    std::string script;  // after "open" and "view"
    std::string error;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class PrintDialogRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(PrintDialogRefusal, NamesTheLineAndTheReasonAndEndsWithStatus2) {
    const ProgramResult result = runPrintDialog({}, "open\nview\n" + GetParam().script);
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "print-dialog: " + GetParam().error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintDialogRefusal,
    testing::Values(
        Refusal{"DisabledControl", "select folderSelectionPopup 0\nclick retentionCheckBox\nclick suspendKeyButton\n",
                "line 5: cannot operate 'suspendKeyButton': control is disabled"},
        Refusal{"FrozenField", "click jobNameButton\ntype jobNameEditText Report\n",
                "line 4: cannot operate 'jobNameEditText': field is not editable"},
        Refusal{"RowOutOfRange", "select suspendMatrix 3\n",
                "line 3: cannot operate 'suspendMatrix': index is out of range"},
        Refusal{"ItemOutOfRange", "select folderSelectionPopup -1\n",
                "line 3: cannot operate 'folderSelectionPopup': index is out of range"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

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
