// The queue that print-dialog opens the panel for: the user's default
// destination or the one named, with the queue's own PPD and device
// address; the command line overrides them, and without documents a queue
// that CUPS does not know falls back to the sample PPD.
#include <gtest/gtest.h>

#include "tests/support/PpdFixture.h"
#include "tests/support/PrintDialogRunner.h"
#include "tests/support/PrivateCups.h"

namespace {

namespace fs = std::filesystem;

struct QueueCase {
    const char* name;
    std::vector<std::string> options;
    std::string queue;    // whose remembered record the print fills
    std::string model;    // the model name that reaches it
    std::string address;  // what the printer's address field shows
};

class DialogQueue : public testing::TestWithParam<QueueCase> {};

// What the panel shows and remembers after a print, read off the transcript.
std::string addressShown(const std::string& out) {
    const size_t field = out.find("\"printersAddressEditText\": {");
    const size_t text = out.find("\"text\": \"", field);
    if (field == std::string::npos || text == std::string::npos) return "(no address field)";
    const size_t start = text + 9;
    return out.substr(start, out.find('"', start) - start);
}

TEST_P(DialogQueue, GivesThePanelTheQueuesPpdAndAddress) {
    PrivateCups cups;
    TempDir dir;
    // The lobby's PPD differs from the sample in its model name alone.
    cups.addQueue("Office_MFP");
    cups.addQueue("Lobby", "ipp://192.0.2.7:631/ipp/print", writeLobbyPPD(dir));
    cups.administer({"/usr/sbin/lpadmin", "-d", "Lobby"});

    const ProgramResult result =
        runPrintDialog(GetParam().options, "open\nview\nrestore\nprint\ndump\nprefs\n", cups.environment());
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(addressShown(result.out), GetParam().address);
    EXPECT_NE(result.out.find("\"Model Name\": \"" + GetParam().model + "\""), std::string::npos) << result.out;
    // `prefs` reads the record of the queue the dialog opened.
    const fs::path record =
        fs::path(std::getenv("XDG_CONFIG_HOME")) / "user-defaults" / ("nelvo.mfp." + GetParam().queue + ".json");
    EXPECT_TRUE(fs::exists(record)) << record;
    EXPECT_EQ(cups.jobCount(), 0u) << "no documents, no job";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogQueue,
    testing::Values(
        QueueCase{"DefaultDestination", {}, "Lobby", "Nelvo ZLM-420K Lobby", "192.0.2.7"},
        QueueCase{"NamedQueue", {"-d", "Office_MFP"}, "Office_MFP", "Nelvo ZLM-420K", ""},
        QueueCase{
            "DeviceUriOverride", {"--device-uri=socket://10.1.2.3:9100"}, "Lobby", "Nelvo ZLM-420K Lobby", "10.1.2.3"},
        QueueCase{"PpdOverride",
                  {"--ppd", NELVO_SOURCE_DIR "/examples/NelvoZlm420k.ppd"},
                  "Lobby",
                  "Nelvo ZLM-420K",
                  "192.0.2.7"},
        QueueCase{"QueueCupsDoesNotKnow", {"--printer", "Annex"}, "Annex", "Nelvo ZLM-420K", "127.0.0.1"}),
    [](const testing::TestParamInfo<QueueCase>& info) { return std::string(info.param.name); });

}  // namespace
