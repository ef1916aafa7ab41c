// What the panel reports on the dialog's summary page, read from its
// controls.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/controls/Buttons.h"
#include "platform/controls/Containers.h"
#include "platform/controls/Menus.h"
#include "platform/controls/TextFields.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TestPanel.h"

namespace {

using Summary = std::map<std::string, std::string>;

class SummaryInfo : public testing::Test {
protected:
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(FakeHost::withSamplePPD());

    // The panel as the dialog shows it, with a job name typed in.
    void SetUp() override {
        panel->panelView();
        ASSERT_TRUE(panel->outlets.retentionCheckBox && panel->outlets.folderSelectionPopup &&
                    panel->outlets.suspendMatrix);
        panel->outlets.jobNameEditText->setStringValue("Report");
    }

    void retentionOn() {
        panel->outlets.retentionCheckBox->setState(1);
        panel->outlets.folderSelectionPopup->selectItemAtIndex(0);
        panel->outlets.suspendMatrix->selectCellAtRow(1, 0);
    }
};

TEST(SummaryBeforeSetUp, IsEmpty) {
    EXPECT_TRUE(makePanel(FakeHost::withSamplePPD())->summaryInfo().empty());
}

TEST_F(SummaryInfo, HoldsTheCheckBoxAndTheNamesAndWithRetentionOnTheFolderAndTheMode) {
    panel->outlets.userNameEditText->setStringValue("Taro");
    panel->outlets.folderSelectionPopup->selectItemAtIndex(0);
    EXPECT_EQ(panel->summaryInfo(), (Summary{{"Job Retention", "Off"}, {"User Name", "Taro"}, {"Job Name", "Report"}}));

    retentionOn();
    panel->outlets.userNameEditText->setStringValue("");
    EXPECT_EQ(panel->summaryInfo(), (Summary{{"Job Retention", "On"},
                                             {"Folder", "Quick File"},
                                             {"Retention", "Hold After Print"},
                                             {"User Name", ""},
                                             {"Job Name", "Report"}}));
    panel->outlets.folderSelectionPopup->selectItemAtIndex(-1);
    panel->outlets.suspendMatrix->selectCellAtRow(-1, 0);
    const Summary summary = panel->summaryInfo();
    EXPECT_EQ(summary.at("Folder") + summary.at("Retention"), "") << "nothing selected shows an empty value";
}

TEST_F(SummaryInfo, LabelsOfFieldsLoseOnlyTheColonsAtTheirEnds) {
    const std::map<std::string, std::string> labels = {
        {"::Job Name::", "Job Name"}, {"Job Name: ", "Job Name: "}, {"A:B", "A:B"}, {":::", ""}};
    for (const auto& [label, key] : labels) {
        panel->outlets.jobNameStaticText->setStringValue(label);
        const Summary summary = panel->summaryInfo();
        EXPECT_TRUE(summary.count(key) == 1 && summary.size() == 3) << label;
    }
    // Titles of the check box and the box are taken as they are.
    retentionOn();
    panel->outlets.retentionCheckBox->setTitle("Retention:");
    panel->outlets.suspendBox->setTitle(":Mode:");
    const Summary summary = panel->summaryInfo();
    EXPECT_EQ(summary.at("Retention:") + "/" + summary.at(":Mode:"), "On/Hold After Print");
}

TEST_F(SummaryInfo, LeavesOutWhatTheLayoutLacks) {
    retentionOn();
    panel->outlets.folderSelectionPopup.reset();
    panel->outlets.suspendMatrix.reset();
    panel->outlets.userNameStaticText.reset();
    panel->outlets.jobNameEditText.reset();
    EXPECT_EQ(panel->summaryInfo(), (Summary{{"Job Retention", "On"}}));

    const auto withoutCheckBox = makePanel(FakeHost::withSamplePPD());
    withoutCheckBox->panelView();
    withoutCheckBox->outlets.retentionCheckBox.reset();
    EXPECT_EQ(withoutCheckBox->summaryInfo(), (Summary{{"User Name", ""}, {"Job Name", ""}}));
}

}  // namespace
