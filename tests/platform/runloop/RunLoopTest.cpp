#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/runloop/FileDescriptorSource.h"
#include "platform/runloop/NSRunLoop.h"
#include "platform/runloop/NSTimer.h"

namespace {

class Pipe {
public:
    Pipe() { EXPECT_EQ(::pipe(ends_.data()), 0); }
    ~Pipe() {
        closeWriteEnd();
        ::close(ends_[0]);
    }
    int readEnd() const { return ends_[0]; }
    void write(const std::string& text) const {
        ASSERT_EQ(::write(ends_[1], text.data(), text.size()), ssize_t(text.size()));
    }
    void closeWriteEnd() {
        if (ends_[1] >= 0) ::close(ends_[1]);
        ends_[1] = -1;
    }

private:
    std::array<int, 2> ends_{-1, -1};
};

NSRunLoop& runLoop() {
    return NSRunLoop::currentRunLoop();
}

std::shared_ptr<NSTimer> recordingTimer(NSTimeInterval seconds, std::vector<std::string>& log, std::string name) {
    return NSTimer::scheduledTimerWithTimeInterval(seconds, [&log, name](NSTimer&) { log.push_back(name); });
}

}  // namespace

TEST(RunLoopTimers, FireOnceInTheOrderTheyFallDueUnlessLetGoOrInvalidatedFirst) {
    std::vector<std::string> fired;
    std::shared_ptr<NSTimer> dropped;
    const auto late = recordingTimer(0.030, fired, "late");
    // Due in the same turn as `dropped`, and lets it go first.
    const auto early = NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) {
        fired.push_back("early");
        dropped.reset();
    });
    dropped = recordingTimer(0, fired, "dropped by another timer");
    recordingTimer(0, fired, "dropped at once");
    const auto invalidated = recordingTimer(0, fired, "invalidated");
    invalidated->invalidate();
    const auto middle = recordingTimer(0.020, fired, "middle");

    runLoop().runUntilDate(NSDate::distantFuture());

    EXPECT_EQ(fired, (std::vector<std::string>{"early", "middle", "late"}));
    EXPECT_FALSE(early->isValid());
    EXPECT_FALSE(runLoop().hasAttachments());
}

TEST(RunLoopTimers, ATimerScheduledByAnActionFiresOnALaterTurn) {
    std::vector<std::string> fired;
    std::shared_ptr<NSTimer> inner;
    const auto outer = NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) {
        fired.push_back("outer");
        inner = recordingTimer(0, fired, "inner");
    });

    EXPECT_TRUE(runLoop().runBeforeDate(NSDate::distantFuture()));
    EXPECT_EQ(fired, std::vector<std::string>{"outer"});
    EXPECT_TRUE(runLoop().runBeforeDate(NSDate::distantFuture()));
    EXPECT_EQ(fired, (std::vector<std::string>{"outer", "inner"}));
}

// A turn returns once it has handled an event, ends at its limit with
// nothing to do, and answers NO at once with nothing attached.
TEST(RunLoopTurns, EndOnTheFirstEventOrAtTheirLimit) {
    EXPECT_FALSE(runLoop().runBeforeDate(NSDate::distantFuture()));
    std::vector<std::string> fired;
    const auto farTimer = recordingTimer(3600, fired, "far");
    const NSDate shortLimit = NSDate::dateWithTimeIntervalSinceNow(0.02);
    EXPECT_FALSE(runLoop().runBeforeDate(shortLimit));
    EXPECT_GE(NSDate::date(), shortLimit);

    Pipe pipe;
    pipe.write("x");
    platform::FileDescriptorSource source(pipe.readEnd(), POLLIN, [&](short) {
        char byte;
        ASSERT_EQ(::read(pipe.readEnd(), &byte, 1), 1);
        fired.push_back("read");
    });
    const NSDate farLimit = NSDate::dateWithTimeIntervalSinceNow(3600);
    EXPECT_TRUE(runLoop().runBeforeDate(farLimit));
    EXPECT_EQ(fired, std::vector<std::string>{"read"});
    EXPECT_LT(NSDate::date(), farLimit);
}

TEST(RunLoopSources, ASourceMayRemoveItselfAndAHangUpReachesItsHandler) {
    Pipe pipe;
    std::unique_ptr<platform::FileDescriptorSource> source;
    short seen = 0;
    source = std::make_unique<platform::FileDescriptorSource>(pipe.readEnd(), POLLIN, [&](short revents) {
        seen = revents;
        source.reset();
    });
    pipe.closeWriteEnd();

    ASSERT_TRUE(runLoop().runBeforeDate(NSDate::distantFuture()));

    EXPECT_TRUE(seen & POLLHUP);
    EXPECT_FALSE(source);
    EXPECT_FALSE(runLoop().hasAttachments());
}
