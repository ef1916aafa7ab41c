#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <string>
#include <thread>
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
    int writeEnd() const { return ends_[1]; }
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

TEST(RunLoopTimers, FireOnceInTheOrderTheyFallDueAndTheRunEndsWithTheLast) {
    std::vector<std::string> fired;
    const auto late = recordingTimer(0.030, fired, "late");
    const auto early = recordingTimer(0.010, fired, "early");
    const auto middle = recordingTimer(0.020, fired, "middle");

    runLoop().runUntilDate(NSDate::distantFuture());

    EXPECT_EQ(fired, (std::vector<std::string>{"early", "middle", "late"}));
    EXPECT_FALSE(early->isValid());
    EXPECT_FALSE(runLoop().hasAttachments());
}

TEST(RunLoopTimers, ATimerLetGoOrInvalidatedBeforeItIsDueNeverFires) {
    std::vector<std::string> fired;
    std::shared_ptr<NSTimer> second;
    // Due in the same turn as `second`, and lets it go first.
    const auto first = NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) {
        fired.push_back("first");
        second.reset();
    });
    second = recordingTimer(0, fired, "second");
    recordingTimer(0, fired, "dropped at once");
    const auto invalidated = recordingTimer(0, fired, "invalidated");
    invalidated->invalidate();

    runLoop().runUntilDate(NSDate::distantFuture());

    EXPECT_EQ(fired, std::vector<std::string>{"first"});
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

TEST(RunLoopTurns, ATurnReturnsOnceAnEventIsHandledNotAtItsLimit) {
    Pipe pipe;
    pipe.write("x");
    int reads = 0;
    platform::FileDescriptorSource source(pipe.readEnd(), POLLIN, [&](short) {
        char byte;
        ASSERT_EQ(::read(pipe.readEnd(), &byte, 1), 1);
        ++reads;
    });
    std::vector<std::string> fired;
    const auto farTimer = recordingTimer(3600, fired, "far");
    const NSDate limit = NSDate::dateWithTimeIntervalSinceNow(3600);

    EXPECT_TRUE(runLoop().runBeforeDate(limit));

    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(fired.empty());
    EXPECT_LT(NSDate::date(), limit);
}

TEST(RunLoopTurns, WithNothingAttachedATurnAnswersNoAtOnce) {
    EXPECT_FALSE(runLoop().runBeforeDate(NSDate::distantFuture()));
    runLoop().runUntilDate(NSDate::distantFuture());
}

TEST(RunLoopTurns, ATurnWithNothingToDoEndsAtItsLimit) {
    std::vector<std::string> fired;
    const auto farTimer = recordingTimer(3600, fired, "far");
    const NSDate limit = NSDate::dateWithTimeIntervalSinceNow(0.02);
    EXPECT_FALSE(runLoop().runBeforeDate(limit));
    EXPECT_GE(NSDate::date(), limit);
}

TEST(RunLoopSources, ReadInterestFiresOnlyWithDataAndWriteInterestWhenWritable) {
    Pipe pipe;
    std::vector<std::string> events;
    platform::FileDescriptorSource reader(pipe.readEnd(), POLLIN, [&](short revents) {
        if (revents & POLLIN) events.push_back("readable");
        char byte;
        ASSERT_EQ(::read(pipe.readEnd(), &byte, 1), 1);
    });
    platform::FileDescriptorSource writer(pipe.writeEnd(), POLLOUT, [&](short revents) {
        if (revents & POLLOUT) events.push_back("writable");
    });

    ASSERT_TRUE(runLoop().runBeforeDate(NSDate::distantFuture()));
    EXPECT_EQ(events, std::vector<std::string>{"writable"});

    writer.setEvents(0);
    pipe.write("x");
    ASSERT_TRUE(runLoop().runBeforeDate(NSDate::distantFuture()));
    EXPECT_EQ(events, (std::vector<std::string>{"writable", "readable"}));
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

TEST(RunLoopThreads, EachThreadRunsOnlyItsOwnTimers) {
    NSRunLoop* workerLoop = nullptr;
    bool firedOnWorker = false;
    std::thread worker([&] {
        workerLoop = &NSRunLoop::currentRunLoop();
        const auto timer = NSTimer::scheduledTimerWithTimeInterval(0, [&](NSTimer&) { firedOnWorker = true; });
        NSRunLoop::currentRunLoop().runUntilDate(NSDate::distantFuture());
    });
    worker.join();

    EXPECT_TRUE(firedOnWorker);
    EXPECT_NE(workerLoop, &runLoop());
    EXPECT_FALSE(runLoop().hasAttachments());
}

TEST(RunLoopThreads, ATimerThatOutlivesItsThreadCanStillBeLetGo) {
    std::shared_ptr<NSTimer> survivor;
    std::thread worker([&] { survivor = NSTimer::scheduledTimerWithTimeInterval(3600, [](NSTimer&) {}); });
    worker.join();

    survivor->invalidate();
    survivor.reset();
    EXPECT_FALSE(runLoop().hasAttachments());
}
