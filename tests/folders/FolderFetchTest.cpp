#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <vector>

#include "folders/ResponseFile.h"
#include "platform/controls/Alert.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/NSProgressIndicator.h"
#include "platform/controls/TextFields.h"
#include "platform/defaults/UserDefaults.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPanel.h"
#include "tools/DeviceSimulator.h"
#include "tools/FolderAnswer.h"

namespace {

std::vector<std::string> namesOf(const std::optional<FolderList>& list) {
    std::vector<std::string> names;
    if (list)
        for (const FolderRecord& record : *list)
            names.push_back(record.name);
    return names;
}

// The panel with the three controls of the fetch, the alerts it shows
// recorded together with the progress indicator's state at that moment.
class FolderFetch : public testing::Test {
protected:
    struct ShownAlert {
        platform::AlertRequest request;
        bool indicatorStoppedAndHidden;
    };

    void SetUp() override {
        std::filesystem::remove(*folders::responseFilePath());
        panel->outlets.getFolderNameButton.connect(&button);
        panel->outlets.printersAddressEditText.connect(&address);
        panel->outlets.chasingArrow.connect(&arrow);
        arrow.setHidden(true);
        earlierPresenter = platform::setAlertPresenter([this](const platform::AlertRequest& request) {
            alerts.push_back({request, arrow.isHidden() && !arrow.isAnimating()});
        });
    }
    void TearDown() override { platform::setAlertPresenter(earlierPresenter); }

    void fetchFrom(const std::string& typedAddress) {
        address.setStringValue(typedAddress);
        panel->getFolderNameButtonProc(&button);
    }
    static void writeEarlierAnswer() {
        std::ofstream(*folders::responseFilePath()) << folderListAnswer({{"Earlier", false, false}});
    }

    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(FakeHost::withSamplePPD());
    NSButton button;
    NSTextField address;
    NSProgressIndicator arrow;
    std::vector<ShownAlert> alerts;
    platform::AlertPresenter earlierPresenter;
};

DeviceBehaviour refusing() {
    DeviceBehaviour behaviour;
    behaviour.refuse = true;
    return behaviour;
}

}  // namespace

// Each fetch starts with the list "unchanged" shown and the answer "Earlier"
// left in the response file by an earlier fetch. Only a failed exchange
// alerts, once, after the indicator has stopped; it and a fetch without an
// address show the earlier answer again. (What each answer makes of the
// list is ParseXML's test.)
TEST_F(FolderFetch, TheListAFetchLeavesAndTheAlertsItShows) {
    const DeviceBehaviour listing = answeringWith(folderListAnswer({{"Sales", false, false}, {"Board", true, false}}));
    const struct {
        const char* what;
        std::optional<DeviceBehaviour> device;  // none: `typed` is the address
        const char* typed;
        bool button;
        size_t requests;
        std::vector<std::string> names;
        size_t alerts;
    } fetches[] = {
        {"the device's folders", listing, "", true, 1, {"Sales", "Board"}, 0},
        {"a refused connection", refusing(), "", true, 0, {"Earlier"}, 1},
        {"no address", std::nullopt, "", true, 0, {"Earlier"}, 0},
        {"text that makes no URL", std::nullopt, "my printer", true, 0, {"Earlier"}, 0},
        {"an answer that is no XML", answeringWith("<unclosed"), "", true, 1, {"unchanged"}, 0},
        {"a layout without the button", listing, "", false, 0, {"unchanged"}, 0},
    };
    const std::string request = readFile(std::filesystem::path(NELVO_BUNDLE_DIR) / "Contents/Resources/listfiles.xml");
    for (const auto& fetch : fetches) {
        SCOPED_TRACE(fetch.what);
        writeEarlierAnswer();
        panel->deviceFolders.folderList = FolderList{{"unchanged", false, false, false}};
        if (!fetch.button) panel->outlets.getFolderNameButton.reset();
        std::optional<DeviceSimulator> device;
        if (fetch.device) device.emplace(*fetch.device);
        fetchFrom(device ? device->address() : fetch.typed);

        EXPECT_EQ(namesOf(panel->deviceFolders.folderList), fetch.names);
        EXPECT_TRUE(arrow.isHidden() && !arrow.isAnimating());
        ASSERT_EQ(alerts.size(), fetch.alerts);
        for (const auto& [alert, indicatorStoppedAndHidden] : alerts) {
            EXPECT_EQ(alert.title + "|" + alert.message + "|" + alert.defaultButton + "|" + alert.alternateButton +
                          "|" + alert.otherButton,
                      "|Could not retrieve Folder Names.|OK||");
            EXPECT_TRUE(indicatorStoppedAndHidden);
        }
        alerts.clear();
        if (!device) continue;
        ASSERT_EQ(device->requests().size(), fetch.requests);
        for (const RecordedRequest& sent : device->requests())
            EXPECT_EQ(sent.body, request) << "the bundle's request, unchanged";
    }
}

// A device's answer that cannot be kept (the disk is full, or there is no
// private folder to keep it in) is a failed fetch: the alert, and the file
// of the device before is neither shown nor remembered for the new address.
TEST_F(FolderFetch, AnAnswerThatCannotBeKeptAlertsAndRemembersNothingForTheNewAddress) {
    DeviceSimulator first(answeringWith(folderListAnswer({{"Alpha", false, false}, {"Beta", false, false}})));
    fetchFrom(first.address());
    ASSERT_EQ(namesOf(panel->deviceFolders.folderList), (std::vector<std::string>{"Alpha", "Beta"}));
    DeviceSimulator second(answeringWith(folderListAnswer({{"Gamma", false, false}})));
    const TempDir shared;
    for (const bool full : {true, false}) {
        SCOPED_TRACE(full ? "disk full" : "no private folder");
        std::optional<ScopedEnvironmentVariable> tmpdir, home, cache, runtime;
        rlimit earlier{};
        getrlimit(RLIMIT_FSIZE, &earlier);
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        if (full) {
            rlimit tiny = earlier;
            tiny.rlim_cur = 16;
            setrlimit(RLIMIT_FSIZE, &tiny);
        } else {
            // Everybody may write to TMPDIR, and the user's folder there is
            // another user's: nowhere private is left.
            const auto taken = shared.path() / ("nelvo-" + std::to_string(getuid()));
            std::filesystem::create_directories(taken);
            std::filesystem::permissions(shared.path(), std::filesystem::perms(01777));
            std::filesystem::permissions(taken, std::filesystem::perms(0777));
            tmpdir.emplace("TMPDIR", shared.path().string());
            home.emplace("HOME", std::nullopt);
            cache.emplace("XDG_CACHE_HOME", std::nullopt);
            runtime.emplace("XDG_RUNTIME_DIR", std::nullopt);
        }
        fetchFrom(second.address());
        setrlimit(RLIMIT_FSIZE, &earlier);
        signal(SIGXFSZ, previousHandler);

        EXPECT_EQ(alerts.size(), 1u);
        alerts.clear();
        EXPECT_EQ(namesOf(panel->deviceFolders.folderList), (std::vector<std::string>{"Alpha", "Beta"}));
        NSUserDefaults::resetStandardUserDefaults();
        const nlohmann::json record = NSUserDefaults::standardUserDefaults()
                                          ->persistentDomainForName(*panel->context.preferenceName)
                                          ->at("Job Control");
        EXPECT_EQ(record.at("address"), first.address());
        EXPECT_EQ(record.at("files").size(), 2u);
    }
}
