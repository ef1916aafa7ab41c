// The fetch end to end: print-dialog loads the bundle, a script presses the
// folder button, and the device simulator answers on loopback.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "folders/NelvoPrintPdeZlm420kJCSOAPClient.h"
#include "folders/ResponseFile.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPanel.h"
#include "tools/DeviceSimulator.h"
#include "tools/FolderAnswer.h"

namespace {

std::string fetchScript(const std::string& address) {
    return "open\nview\nerase printersAddressEditText\ntype printersAddressEditText " + address +
           "\nclick getFolderNameButton\ndump\nprefs\n";
}

ProgramResult runDialog(const std::string& script) {
    return runProgram({std::string(NELVO_BUILD_DIR) + "/print-dialog", "-"}, script);
}

// The two JSON documents that "dump" and "prefs" print after the first lines.
std::pair<nlohmann::json, nlohmann::json> dumpAndPrefsOf(const std::string& out) {
    std::istringstream in(out);
    std::string line;
    std::getline(in, line);  // panels 1
    std::getline(in, line);  // view: loaded
    nlohmann::json dump;
    nlohmann::json prefs;
    in >> dump >> prefs;
    return {dump, prefs};
}

std::string bundleRequestBody() {
    return readFile(std::filesystem::path(NELVO_BUNDLE_DIR) / "Contents/Resources/listfiles.xml");
}

}  // namespace

TEST(PrintDialogFetch, TheFolderButtonFillsThePanelAndAFailedFetchAlertsOnce) {
    DeviceSimulator answering(answeringWith(folderListAnswer({{"Sales", false, false}, {"Board", true, false}})));
    ProgramResult result = runDialog(fetchScript(answering.address()));
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const auto [dump, prefs] = dumpAndPrefsOf(result.out);
    ASSERT_EQ(dump["folderList"].size(), 2u) << dump.dump();
    EXPECT_EQ(dump["folderList"][1]["name"], "Board");
    EXPECT_EQ(dump["folderList"][1]["password"], true);
    EXPECT_EQ(dump["controls"]["chasingArrow"]["hidden"], true);
    // The queue remembers the list and the address it came from.
    EXPECT_EQ(prefs["Job Control"]["files"], dump["folderList"]) << prefs.dump();
    EXPECT_EQ(prefs["Job Control"]["address"], answering.address());
    EXPECT_EQ(result.out.find("alert:"), std::string::npos);

    DeviceBehaviour refusing;
    refusing.refuse = true;
    DeviceSimulator refused(refusing);
    result = runDialog(fetchScript(refused.address()));
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    const std::string alert = "alert: Could not retrieve Folder Names. [OK]\n";
    const auto first = result.out.find(alert);
    ASSERT_NE(first, std::string::npos) << result.out;
    EXPECT_EQ(result.out.find(alert, first + 1), std::string::npos);
}

namespace {

struct PipeCloser {
    void operator()(FILE* pipe) const { pclose(pipe); }
};

std::string readLine(FILE* pipe) {
    std::string line;
    for (int c = fgetc(pipe); c != EOF && c != '\n'; c = fgetc(pipe)) line.push_back(static_cast<char>(c));
    return line;
}

std::string readRest(FILE* pipe) {
    std::string rest;
    for (int c = fgetc(pipe); c != EOF; c = fgetc(pipe)) rest.push_back(static_cast<char>(c));
    return rest;
}

class IgnoringContext : public SOAPClientCallback {
public:
    void recieveEndCallback() override { ADD_FAILURE() << "the exchange failed"; }
};

}  // namespace

TEST(DeviceSimulatorProgram, PrintsItsPortServesTheFoldersAndLogsTheRequest) {
    const std::string command = std::string(NELVO_BUILD_DIR) +
                                "/device-simulator --port 0 --folder Sales --protected-folder 'Board & Staff' --exit-after 1";
    const std::unique_ptr<FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    ASSERT_TRUE(pipe);
    const std::string first = readLine(pipe.get());
    ASSERT_EQ(first.rfind("listening on 127.0.0.1:", 0), 0u) << first;
    const std::string address = first.substr(std::string("listening on ").size());

    IgnoringContext context;
    const std::string body = bundleRequestBody();
    auto client = NelvoPrintPdeZlm420kJCSOAPClient::initWithServerName("http://" + address + "/nelvo-mfp-srv", &context);
    ASSERT_TRUE(client);
    client->sendMessage(NSData(body.begin(), body.end()));
    const std::string log = readRest(pipe.get());

    const auto panel = makePanel(std::make_shared<FakeHost>());
    ASSERT_TRUE(panel->parseXML(folders::responseFilePath()));
    ASSERT_EQ(panel->folderList->size(), 2u);
    EXPECT_EQ(panel->folderList->at(1).name, "Board & Staff");
    EXPECT_TRUE(panel->folderList->at(1).password);
    EXPECT_NE(log.find("request: POST /nelvo-mfp-srv\n"), std::string::npos) << log;
    EXPECT_NE(log.find("header: SOAPAction: \"SoapActionDummy\"\n"), std::string::npos) << log;
    EXPECT_NE(log.find("body: " + std::to_string(body.size()) + " bytes\n" + body), std::string::npos) << log;
}
