// The fetch end to end: print-dialog loads the bundle, a script presses the
// folder button, and the device-simulator program answers on loopback.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/support/RunProgram.h"

namespace {

struct PipeCloser {
    void operator()(FILE* pipe) const { pclose(pipe); }
};

ProgramResult runFetch(const std::string& address) {
    return runProgram({std::string(NELVO_BUILD_DIR) + "/print-dialog", "-"},
                      "open\nview\nerase printersAddressEditText\ntype printersAddressEditText " + address +
                          "\nclick getFolderNameButton\ndump\nprefs\n");
}

}  // namespace

TEST(PrintDialogFetch, TheSimulatorProgramPrintsItsPortAndTheFolderButtonFillsThePanelWithItsFolders) {
    const std::string command =
        std::string(NELVO_BUILD_DIR) +
        "/device-simulator --port 0 --folder Sales --protected-folder 'Board & Staff' --exit-after 1";
    const std::unique_ptr<FILE, PipeCloser> simulator(popen(command.c_str(), "r"));
    ASSERT_TRUE(simulator);
    char line[256] = {};
    ASSERT_TRUE(fgets(line, sizeof line, simulator.get()));
    const std::string first(line, strcspn(line, "\n"));
    ASSERT_EQ(first.rfind("listening on 127.0.0.1:", 0), 0u) << first;
    const std::string address = first.substr(std::string("listening on ").size());

    const ProgramResult result = runFetch(address);
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    // "dump" and "prefs" print one JSON document each after two status lines.
    std::istringstream out(result.out.substr(result.out.find('{')));
    nlohmann::json dump;
    nlohmann::json prefs;
    out >> dump >> prefs;
    ASSERT_EQ(dump["folderList"].size(), 2u) << dump.dump();
    EXPECT_EQ(dump["folderList"][1]["name"], "Board & Staff");
    EXPECT_EQ(dump["folderList"][1]["password"], true);
    EXPECT_EQ(dump["controls"]["chasingArrow"]["hidden"], true);
    EXPECT_EQ(prefs["Job Control"]["files"], dump["folderList"]) << prefs.dump();
    EXPECT_EQ(prefs["Job Control"]["address"], address);
    EXPECT_EQ(result.out.find("alert:"), std::string::npos);
}
