// What the folder client's own tests cannot see of the connection: bodies
// too large for the client to send, and redirects the client never meets.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/http/NSURLConnection.h"
#include "platform/http/URLMessages.h"
#include "platform/runloop/NSRunLoop.h"
#include "tools/DeviceSimulator.h"

namespace {

class RecordingDelegate : public NSURLConnectionDelegate {
public:
    std::string body;
    bool failed = false;
    bool ended = false;

    void connection(NSURLConnection*, const NSHTTPURLResponse&) override {}
    void connection(NSURLConnection*, const NSData& data) override { body.append(data.begin(), data.end()); }
    void connectionDidFinishLoading(NSURLConnection*) override { ended = true; }
    void connection(NSURLConnection*, const NSError&) override { failed = ended = true; }
};

// Posts `body` to the simulator's folder service and turns the run loop
// until the exchange ends.
void post(const DeviceSimulator& simulator, const std::string& body, RecordingDelegate& delegate) {
    NSMutableURLRequest request(*NSURL::URLWithString("http://" + simulator.address() + kFolderServicePath),
                                NSURLRequestReloadIgnoringLocalCacheData, 60);
    request.setHTTPMethod("POST");
    request.setHTTPBody(NSData(body.begin(), body.end()));
    request.setValue("application/soap", "Content-Type");
    const auto connection = NSURLConnection::connectionWithRequest(request, &delegate);
    ASSERT_TRUE(connection);
    while (!delegate.ended && NSRunLoop::currentRunLoop().runBeforeDate(NSDate::dateWithTimeIntervalSinceNow(1))) {}
}

}  // namespace

TEST(NSURLConnection, PostsALargeBinaryBodyWholeWithoutWaitingForAnInterimAnswer) {
    DeviceSimulator simulator(answeringWith("<answer/>"));
    std::string body(2 * 1024 * 1024, 'b');  // large enough for a client to hold it back
    body[10] = '\0';
    body[11] = '\xff';
    RecordingDelegate delegate;
    post(simulator, body, delegate);

    EXPECT_EQ(delegate.body, "<answer/>");
    const auto requests = simulator.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body, body);
    EXPECT_TRUE(requests[0].headerValues("Expect").empty());
}

// A redirect elsewhere than http or https, or one redirect too many (the
// service redirecting to itself), fails with nothing delivered.
TEST(NSURLConnection, RedirectsLeadOnlyToHttpAndHttpsAndAtMostTenTimes) {
    for (const char* location : {"file:///etc/passwd", "ftp://127.0.0.1/folders", "/nelvo-mfp-srv"}) {
        DeviceBehaviour behaviour = answeringWith("<final/>");
        behaviour.redirectLocation = location;
        DeviceSimulator simulator(behaviour);
        RecordingDelegate delegate;
        post(simulator, "x", delegate);

        EXPECT_TRUE(delegate.failed) << location;
        EXPECT_EQ(delegate.body, "") << location;
        if (std::string(location) == kFolderServicePath) {
            EXPECT_EQ(simulator.requests().size(), 11u);
        }
    }
}
