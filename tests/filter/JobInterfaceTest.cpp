// The device's job interface over HTTP, on a store given one held job: the
// list's fields, the answers to releases and deletes, the panel's page.
#include <httplib.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tools/DeviceSimulator.h"
#include "tools/JobStore.h"

namespace {

// Hold only, pass code 123 (digest over the spool time of the ticket).
const std::string kHeldJob =
    "\x1B%-12345X@PJL JOB NAME=\"Report\"\r\n"
    "@PJL SET USERNAME=\"Alice\"\r\n@PJL SET JOBNAME=\"Report\"\r\n@PJL SET HOLD=STORE\r\n"
    "@PJL SET NELVO_HOLDKEYDIGEST=\"8c2075f346f0ece021fe63707ce74204\"\r\n"
    "@PJL SET NELVO_SPOOLTIME=\"Sat, 5 Dec 2026 05:11:09 +0900\"\r\n"
    "@PJL SET NELVO_FILING=MAIN\r\n@PJL SET NELVO_FOLDER=\"*standard\"\r\n@PJL SET NELVO_ACCOUNT=\"00042\"\r\n"
    "@PJL ENTER LANGUAGE=POSTSCRIPT\r\n%!PS\nshowpage\n\x1B%-12345X@PJL EOJ\r\n\x1B%-12345X";

struct Request {
    const char* path;
    const char* body;
    int status;
    const char* stateAfter;
};

class JobInterface : public testing::Test {
protected:
    JobStore store{JobPolicy{}};
    DeviceSimulator device{answeringWith(""), "127.0.0.1", 0, {}, &store};
    httplib::Client client{"127.0.0.1", device.port()};
};

TEST_F(JobInterface, ListsTheJobWithItsFields) {
    store.receive(kHeldJob);
    const auto answer = client.Get("/jobs");
    ASSERT_TRUE(answer);
    EXPECT_EQ(nlohmann::json::parse(answer->body), nlohmann::json::parse(R"([{"id": 1, "name": "Report",
        "user": "Alice", "retention": "hold-only", "folder": "*standard", "state": "held", "account": "00042",
        "bytes": 14}])"));
    const auto page = client.Get("/");
    ASSERT_TRUE(page);
    EXPECT_NE(page->body.find("<form method=\"post\" action=\"/jobs/1/release\">"), std::string::npos);
}

TEST_F(JobInterface, AnswersReleasesAndDeletesByPassCode) {
    store.receive(kHeldJob);
    const Request requests[] = {
        {"/jobs/2/release", "passcode=123", 404, "held"},    {"/jobs/1/release", "passcode=999", 403, "held"},
        {"/jobs/1/delete", "passcode=12", 403, "held"},      {"/jobs/1/release", "passcode=123", 200, "printed"},
        {"/jobs/1/release", "passcode=123", 409, "printed"},
    };
    for (const Request& request : requests) {
        const auto answer = client.Post(request.path, request.body, "application/x-www-form-urlencoded");
        ASSERT_TRUE(answer) << request.path;
        EXPECT_EQ(answer->status, request.status) << request.path << " " << request.body;
        EXPECT_EQ(store.jobs()[0].state, request.stateAfter) << request.path << " " << request.body;
    }
}

}  // namespace
