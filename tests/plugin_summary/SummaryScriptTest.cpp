// print-dialog's summary command: the panel's summary as one JSON object.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/host/PrintDialogRunner.h"

namespace {

// The lines of the output that are JSON objects.
std::vector<nlohmann::json> jsonLines(const std::string& out) {
    std::vector<nlohmann::json> objects;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("{")) objects.push_back(nlohmann::json::parse(line));
    return objects;
}

TEST(PrintDialogSummary, ReportsTheControlsAsTheUserLeavesThem) {
    const ProgramResult result = runPrintDialog({}, "open\nsummary\nview\nsummary\n"
                                                    "click retentionCheckBox\n"
                                                    "select folderSelectionPopup 0\n"
                                                    "select suspendMatrix 2\n"
                                                    "type jobNameEditText Quarterly Report\n"
                                                    "summary\n");
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const std::vector<nlohmann::json> summaries = jsonLines(result.out);
    ASSERT_EQ(summaries.size(), 3u) << result.out;
    EXPECT_EQ(summaries[0], nlohmann::json::object());
    EXPECT_EQ(summaries[1], (nlohmann::json{{"Job Retention", "Off"}, {"User Name", ""}, {"Job Name", ""}}));
    // Sample print does not go with quick file: the filing choice gives way
    // to the main folder.
    EXPECT_EQ(summaries[2], (nlohmann::json{{"Job Retention", "On"},
                                            {"Folder", "Main Folder"},
                                            {"Retention", "Sample Print"},
                                            {"User Name", ""},
                                            {"Job Name", "Quarterly Report"}}));
}

}  // namespace
