// What the panel reports on the dialog's summary page, read from its
// controls.
#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <string>

#include "platform/controls/NSBox.h"
#include "platform/controls/NSButton.h"
#include "platform/controls/NSMatrix.h"
#include "platform/controls/NSPopUpButton.h"
#include "platform/controls/NSTextField.h"
#include "tests/support/FakeHost.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TestPanel.h"

namespace {

using Summary = std::map<std::string, std::string>;

class SummaryInfo : public testing::Test {
protected:
    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(FakeHost::withSamplePPD());

    // The panel as the dialog shows it, with a job name typed in.
    void SetUp() override {
        panel->panelView();
        ASSERT_TRUE(panel->retentionCheckBox && panel->folderSelectionPopup && panel->suspendMatrix);
        panel->jobNameEditText->setStringValue("Report");
    }

    void retentionOn() {
        panel->retentionCheckBox->setState(1);
        panel->folderSelectionPopup->selectItemAtIndex(0);
        panel->suspendMatrix->selectCellAtRow(1, 0);
    }
};

// Before the controls are set up the summary is empty: tested through
// print-dialog in SummaryScriptTest.
TEST_F(SummaryInfo, HoldsTheCheckBoxAndTheNamesAndWithRetentionOnTheFolderAndTheMode) {
    panel->userNameEditText->setStringValue("Taro");
    panel->folderSelectionPopup->selectItemAtIndex(0);
    EXPECT_EQ(panel->summaryInfo(), (Summary{{"Job Retention", "Off"}, {"User Name", "Taro"}, {"Job Name", "Report"}}));

    retentionOn();
    panel->userNameEditText->setStringValue("");
    EXPECT_EQ(panel->summaryInfo(), (Summary{{"Job Retention", "On"},
                                             {"Folder", "Quick File"},
                                             {"Retention", "Hold After Print"},
                                             {"User Name", ""},
                                             {"Job Name", "Report"}}));
    // A menu or matrix without a selection shows an empty value.
    panel->folderSelectionPopup->selectItemAtIndex(-1);
    panel->suspendMatrix->selectCellAtRow(-1, 0);
    const Summary summary = panel->summaryInfo();
    EXPECT_EQ(summary.at("Folder"), "");
    EXPECT_EQ(summary.at("Retention"), "");
}

TEST_F(SummaryInfo, LabelsOfFieldsLoseOnlyTheColonsAtTheirEnds) {
    const std::map<std::string, std::string> labels = {
        {"Job Name:", "Job Name"}, {"::Job Name::", "Job Name"}, {"Job Name: ", "Job Name: "},
        {"A:B", "A:B"},            {":::", ""},                   {" :Job", " :Job"},
    };
    for (const auto& [label, key] : labels) {
        panel->jobNameStaticText->setStringValue(label);
        const Summary summary = panel->summaryInfo();
        EXPECT_EQ(summary.count(key), 1u) << label;
        EXPECT_EQ(summary.size(), 3u) << label;
    }
    // Titles of the check box and the box are taken as they are.
    retentionOn();
    panel->retentionCheckBox->setTitle("Retention:");
    panel->suspendBox->setTitle(":Mode:");
    const Summary summary = panel->summaryInfo();
    EXPECT_EQ(summary.at("Retention:"), "On");
    EXPECT_EQ(summary.at(":Mode:"), "Hold After Print");
}

TEST_F(SummaryInfo, LeavesOutWhatTheLayoutLacks) {
    retentionOn();
    panel->folderSelectionPopup.reset();
    panel->suspendMatrix.reset();
    panel->userNameStaticText.reset();
    panel->jobNameEditText.reset();
    EXPECT_EQ(panel->summaryInfo(), (Summary{{"Job Retention", "On"}}));

    const auto withoutCheckBox = makePanel(FakeHost::withSamplePPD());
    withoutCheckBox->panelView();
    withoutCheckBox->retentionCheckBox.reset();
    EXPECT_EQ(withoutCheckBox->summaryInfo(), (Summary{{"User Name", ""}, {"Job Name", ""}}));
}

TEST_F(SummaryInfo, OnAndOffAreInTheUsersLanguage) {
    ScopedEnvironmentVariable language("LANGUAGE", "de");
    ScopedLocale german(LC_ALL, "de_DE.UTF-8");
    ASSERT_TRUE(german.selected()) << "the de_DE.UTF-8 locale is missing: run scripts/setup.sh";
    const std::string label = panel->retentionCheckBox->title();
    EXPECT_EQ(panel->summaryInfo().at(label), "Aus");
    panel->retentionCheckBox->setState(1);
    EXPECT_EQ(panel->summaryInfo().at(label), "Ein");
}

}  // namespace
