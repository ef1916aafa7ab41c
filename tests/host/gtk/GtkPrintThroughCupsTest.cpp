// GTK's print dialog printing to the test's own CUPS, whose queues' filter
// records what each job arrives with: picking another queue in GTK's list
// brings a panel made for that queue, whose job then goes there, and a
// printer that is no queue keeps the panel. The
// typical print from each front end is in tests/host/cups/FrontEndPrintTest.cpp,
// a printer without a panel in GtkChoicesTest.cpp.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "host/DialogSetup.h"
#include "host/PlugInLoader.h"
#include "host/ScriptedHost.h"
#include "host/cups/JobSubmission.h"
#include "host/gtk/GtkPanelDialog.h"
#include "tests/support/PpdFixture.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PrivateCups.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/XvfbDisplay.h"

namespace host {

namespace {

namespace fs = std::filesystem;

constexpr const char* kKeyPrefix = "nelvo.print.PrintSettings.";

// The panel's keys of a job's options or print settings.
std::map<std::string, std::string> panelKeys(const std::map<std::string, std::string>& values) {
    std::map<std::string, std::string> keys;
    for (const auto& [key, value] : values)
        if (key.starts_with(kKeyPrefix)) keys.emplace(key, value);
    return keys;
}

// The dialog in this process, opened on Office_MFP, with the real look-up
// of the queues the person may pick: the lobby's MFP is the same model
// under another name, the annex's is never printed to (its device is far
// away).
class PickingAnotherQueue : public testing::Test {
protected:
    void SetUp() override {
        cups_.addQueue("Office_MFP");
        cups_.addQueue("Lobby", "", writeLobbyPPD(directory_));
        cups_.addQueue("Annex", "ipp://192.0.2.7:631/ipp/print");
        privateDisplay();
        ASSERT_TRUE(gtk_init_check()) << "no display";
        opened_.printer = "Office_MFP";
        opened_.jobName = "report.ps";
        opened_.documents = {document_};
        auto host = hostForOtherQueue("Office_MFP", opened_);
        ASSERT_TRUE(host);
        plugIn_ = std::make_unique<LoadedPlugIn>(NELVO_BUNDLE_DIR);
        dialog_ = std::make_unique<GtkPanelDialog>(
            GtkPanelDialog::Parts{plugIn_->principal(), host, "Print", "Office_MFP",
                                  [this](const std::string& queue) { return hostForOtherQueue(queue, opened_); }});
        dialog_->present();
        dialog_->showPanelTab();
    }
    void TearDown() override {
        dialog_.reset();
        plugIn_.reset();
    }

    // The widget of a field of the panel shown now.
    GtkWidget* widgetOf(const std::string& fieldName) {
        ControlAdapter* adapter = dialog_->tab().adapterNamed(fieldName);
        if (!adapter) throw std::runtime_error("no widget for " + fieldName);
        return adapter->widget();
    }
    std::string shownText(const std::string& fieldName) {
        return gtk_editable_get_text(GTK_EDITABLE(widgetOf(fieldName)));
    }

    // Remembers a locked pass code for the lobby's queue, as a print there does.
    void rememberLobbyPassCode() {
        const ProgramResult result =
            runPrintDialog({"-d", "Lobby"},
                           "open\nview\nrestore\nshow\nclick retentionCheckBox\ntype suspendKeyEditText 456\n"
                           "click suspendKeyButton\nprint\n",
                           cups_.environment());
        ASSERT_EQ(result.exitStatus, 0) << result.err;
    }

    PrivateCups cups_;
    TempDir directory_;
    const fs::path document_ = directory_.write("report.ps", "%!PS\nshowpage\n");
    const ScopedEnvironmentVariable server_{"CUPS_SERVER", cups_.server()};
    DialogSetup opened_;
    std::unique_ptr<LoadedPlugIn> plugIn_;
    std::unique_ptr<GtkPanelDialog> dialog_;
};

TEST_F(PickingAnotherQueue, BringsAPanelForThatQueueWhoseJobGoesThere) {
    rememberLobbyPassCode();
    EXPECT_EQ(shownText("printersAddressEditText"), "") << "Office_MFP prints into a file";
    const std::weak_ptr<PDEPanel> first = dialog_->sharedPanel();
    // A printer that is no queue keeps the panel.
    ASSERT_TRUE(dialog_->pickPrinter("Print to File"));
    EXPECT_EQ(dialog_->queue(), "Office_MFP");
    EXPECT_FALSE(first.expired());

    // The annex's panel has the annex's device address; the first panel is
    // let go without a save.
    ASSERT_TRUE(dialog_->pickPrinter("Annex"));
    EXPECT_EQ(dialog_->queue(), "Annex");
    EXPECT_TRUE(first.expired());
    EXPECT_EQ(shownText("printersAddressEditText"), "192.0.2.7");
    EXPECT_TRUE(panelKeys(dialog_->host()->settings().values()).empty()) << "no panel saved into the job";

    // The lobby's panel shows what was remembered for the lobby: the pass
    // code, locked.
    ASSERT_TRUE(dialog_->pickPrinter("Lobby"));
    EXPECT_EQ(shownText("suspendKeyEditText"), "456");
    EXPECT_TRUE(gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widgetOf("suspendKeyButton"))));
    EXPECT_TRUE(panelKeys(dialog_->host()->settings().values()).empty());

    gtk_widget_activate(widgetOf("retentionCheckBox"));
    ASSERT_TRUE(dialog_->window().press(DialogAnswer::print));
    ASSERT_TRUE(dialog_->runShouldPrint());
    const PrintRequest request = dialog_->request(opened_.documents);
    EXPECT_EQ(request.queue(), "Lobby");
    submitJob(JobRequest{request.queue(), opened_.jobName, request.documents, &request.panelSettings(),
                         request.gtkJobOptions});
    const CapturedJob job = cups_.waitForCapture("Lobby");
    EXPECT_EQ(panelKeys(job.options), panelKeys(request.panelSettings().values()));
    EXPECT_EQ(job.options.at(std::string(kKeyPrefix) + "jobSuspend"), "2");
    EXPECT_EQ(cups_.jobCount(), 1u) << "nothing went to the other queues";
    // The lobby's record holds the lobby's model.
    const fs::path records = fs::path(std::getenv("XDG_CONFIG_HOME")) / "user-defaults";
    const nlohmann::json lobby = nlohmann::json::parse(readFile(records / "nelvo.mfp.Lobby.json"));
    EXPECT_EQ(lobby["Job Control"]["Model Name"], "Nelvo ZLM-420K Lobby");
}

}  // namespace

}  // namespace host
