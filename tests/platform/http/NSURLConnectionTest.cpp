#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/http/NSURLConnection.h"
#include "platform/http/URLMessages.h"
#include "platform/runloop/NSRunLoop.h"
#include "tools/DeviceSimulator.h"

namespace {

NSData bytesOf(const std::string& text) {
    return NSData(text.begin(), text.end());
}

// Hears a connection's delegate calls and checks that they come on the
// thread that made the connection.
class RecordingDelegate : public NSURLConnectionDelegate {
public:
    std::vector<std::string> events;
    std::optional<NSHTTPURLResponse> response;
    std::string body;
    std::optional<NSError> error;
    bool ended = false;
    std::function<void(NSURLConnection*)> afterData;
    std::function<void()> afterFinish;

    void connection(NSURLConnection*, const NSHTTPURLResponse& received) override {
        checkThread();
        events.push_back("response " + std::to_string(received.statusCode()));
        response = received;
    }
    void connection(NSURLConnection* connection, const NSData& data) override {
        checkThread();
        if (events.empty() || events.back() != "data") events.push_back("data");
        body.append(data.begin(), data.end());
        if (afterData) afterData(connection);
    }
    void connectionDidFinishLoading(NSURLConnection*) override {
        checkThread();
        events.push_back("finish");
        ended = true;
        if (afterFinish) afterFinish();
    }
    void connection(NSURLConnection*, const NSError& failure) override {
        checkThread();
        events.push_back("fail");
        error = failure;
        ended = true;
    }

private:
    void checkThread() const { EXPECT_EQ(std::this_thread::get_id(), thread_); }
    std::thread::id thread_ = std::this_thread::get_id();
};

NSMutableURLRequest postTo(const std::string& url, std::optional<NSData> body) {
    NSMutableURLRequest request(*NSURL::URLWithString(url), NSURLRequestReloadIgnoringLocalCacheData, 60);
    request.setHTTPMethod("POST");
    request.setHTTPBody(std::move(body));
    return request;
}

std::string serviceURL(const DeviceSimulator& simulator, const std::string& path = kFolderServicePath) {
    return "http://" + simulator.address() + path;
}

// Turns the run loop until `done` holds or nothing is left to wait for.
void runUntil(const std::function<bool()>& done) {
    while (!done() && NSRunLoop::currentRunLoop().runBeforeDate(NSDate::dateWithTimeIntervalSinceNow(1))) {}
}

void exchange(const NSMutableURLRequest& request, RecordingDelegate& delegate) {
    const auto connection = NSURLConnection::connectionWithRequest(request, &delegate);
    ASSERT_TRUE(connection);
    runUntil([&] { return delegate.ended; });
}

}  // namespace

TEST(NSURLConnection, PostsTheBodyUnchangedWithTheFieldsAsSetAndDeliversTheAnswerInOrder) {
    DeviceSimulator simulator(answeringWith("<answer/>"));
    std::string body(2 * 1024 * 1024, 'b');  // large enough for a client to hold it back
    body[10] = '\0';
    body[11] = '\xff';
    NSMutableURLRequest request = postTo(serviceURL(simulator), bytesOf(body));
    request.setValue("text/plain", "content-type");
    request.setValue("application/soap", "Content-Type");
    request.setValue("\"Quoted\"", "X-Action");
    RecordingDelegate delegate;

    exchange(request, delegate);

    EXPECT_EQ(delegate.events, (std::vector<std::string>{"response 200", "data", "finish"}));
    EXPECT_EQ(delegate.body, "<answer/>");
    const auto requests = simulator.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].path, kFolderServicePath);
    EXPECT_EQ(requests[0].body, body);
    EXPECT_EQ(requests[0].headerValues("Content-Type"), std::vector<std::string>{"application/soap"});
    EXPECT_EQ(requests[0].headerValues("X-Action"), std::vector<std::string>{"\"Quoted\""});
    EXPECT_EQ(requests[0].headerValues("Content-Length"), std::vector<std::string>{std::to_string(body.size())});
    EXPECT_TRUE(requests[0].headerValues("Expect").empty());
}

TEST(NSURLConnection, ARefusedConnectionFailsWithoutAResponse) {
    DeviceBehaviour behaviour;
    behaviour.refuse = true;
    DeviceSimulator simulator(behaviour);
    RecordingDelegate delegate;
    exchange(postTo(serviceURL(simulator), bytesOf("x")), delegate);

    EXPECT_EQ(delegate.events, std::vector<std::string>{"fail"});
    ASSERT_TRUE(delegate.error);
    EXPECT_EQ(delegate.error->code, NSURLErrorCannotConnectToHost);
}

TEST(NSURLConnection, AFollowedRedirectKeepsThePostAndTellsOnlyTheFinalResponse) {
    DeviceBehaviour behaviour = answeringWith("<final/>");
    behaviour.redirectLocation = "/moved";
    DeviceSimulator simulator(behaviour);
    RecordingDelegate delegate;
    exchange(postTo(serviceURL(simulator), bytesOf("<request/>")), delegate);

    EXPECT_EQ(delegate.events, (std::vector<std::string>{"response 200", "data", "finish"}));
    EXPECT_EQ(delegate.body, "<final/>");
    ASSERT_TRUE(delegate.response);
    EXPECT_EQ(delegate.response->URL(), serviceURL(simulator, "/moved"));
    const auto requests = simulator.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].method, "POST");
    EXPECT_EQ(requests[1].path, "/moved");
    EXPECT_EQ(requests[1].body, "<request/>");
}

TEST(NSURLConnection, RedirectsLeadOnlyToHttpAndHttpsAndAtMostTenTimes) {
    for (const char* location : {"file:///etc/passwd", "ftp://127.0.0.1/folders", "/nelvo-mfp-srv"}) {
        DeviceBehaviour behaviour = answeringWith("<final/>");
        behaviour.redirectLocation = location;
        DeviceSimulator simulator(behaviour);
        RecordingDelegate delegate;
        exchange(postTo(serviceURL(simulator), bytesOf("x")), delegate);

        EXPECT_EQ(delegate.events, std::vector<std::string>{"fail"}) << location;
        EXPECT_EQ(delegate.body, "") << location;
        if (std::string(location) == kFolderServicePath) {
            EXPECT_EQ(simulator.requests().size(), 11u);
            ASSERT_TRUE(delegate.error);
            EXPECT_EQ(delegate.error->code, NSURLErrorHTTPTooManyRedirects);
        }
    }
}

TEST(NSURLConnection, AfterCancelTheDelegateHearsNothingMore) {
    DeviceSimulator simulator(answeringWith(std::string(4 * 1024 * 1024, 'a')));
    RecordingDelegate cancelled;
    cancelled.afterData = [](NSURLConnection* connection) { connection->cancel(); };
    const auto first = NSURLConnection::connectionWithRequest(postTo(serviceURL(simulator), std::nullopt), &cancelled);
    ASSERT_TRUE(first);
    runUntil([&] { return !cancelled.events.empty() && cancelled.events.back() == "data"; });

    // A second exchange to its end keeps the loop turning past the time the
    // first one would have gone on delivering.
    RecordingDelegate later;
    exchange(postTo(serviceURL(simulator), std::nullopt), later);

    EXPECT_EQ(cancelled.events, (std::vector<std::string>{"response 200", "data"}));
    EXPECT_LT(cancelled.body.size(), 4u * 1024 * 1024);
    EXPECT_EQ(later.events.back(), "finish");
}

TEST(NSURLConnection, TheDelegateMayLetTheConnectionGoWhenItFinishes) {
    DeviceSimulator simulator(answeringWith("done"));
    RecordingDelegate delegate;
    std::unique_ptr<NSURLConnection> connection;
    delegate.afterFinish = [&] { connection.reset(); };
    connection = NSURLConnection::connectionWithRequest(postTo(serviceURL(simulator), std::nullopt), &delegate);
    runUntil([&] { return delegate.ended; });

    EXPECT_FALSE(connection);
    EXPECT_EQ(delegate.body, "done");
    EXPECT_FALSE(NSRunLoop::currentRunLoop().hasAttachments());
}

TEST(NSURLConnection, AConnectionLetGoMidExchangeLeavesNothingOnTheRunLoop) {
    DeviceBehaviour behaviour;
    behaviour.neverAnswer = true;
    DeviceSimulator simulator(behaviour);
    RecordingDelegate delegate;
    auto connection = NSURLConnection::connectionWithRequest(postTo(serviceURL(simulator), std::nullopt), &delegate);
    runUntil([&] { return !simulator.requests().empty(); });
    ASSERT_EQ(simulator.requests().size(), 1u);

    connection.reset();

    EXPECT_FALSE(NSRunLoop::currentRunLoop().hasAttachments());
    EXPECT_TRUE(delegate.events.empty());
}
