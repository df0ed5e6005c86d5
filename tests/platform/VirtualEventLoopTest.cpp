#include "platform/fake/VirtualEventLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolt {
namespace {

struct Recorder {
    std::vector<std::string> log;
    VirtualEventLoop* loop = nullptr;
    void note(const std::string& what) {
        log.push_back(what + "@" + std::to_string(loop->elapsedMs()));
    }
};

TEST(VirtualEventLoopTest, FiresDueTimersInTimeOrder) {
    VirtualEventLoop loop;
    Recorder r{{}, &loop};
    auto a = loop.createTimer();
    auto b = loop.createTimer();
    a->setInterval(300);
    b->setInterval(200);
    a->setHandler([&] { r.note("a"); });
    b->setHandler([&] { r.note("b"); });
    a->start();
    b->start();
    loop.advance(650);
    EXPECT_EQ(r.log, (std::vector<std::string>{"b@200", "a@300", "b@400", "a@600", "b@600"}));
    EXPECT_EQ(loop.elapsedMs(), 650);
}

TEST(VirtualEventLoopTest, StoppedAndZeroIntervalTimersDoNotFire) {
    VirtualEventLoop loop;
    int fired = 0;
    auto zero = loop.createTimer();
    zero->setHandler([&] { ++fired; });
    zero->start();  // interval 0, as the window system's timers: never fires
    auto oneShot = loop.createTimer();
    oneShot->setInterval(100);
    oneShot->setHandler([&] {
        ++fired;
        oneShot->stop();
    });
    oneShot->start();
    loop.advance(1000);
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(zero->isActive());
    EXPECT_FALSE(oneShot->isActive());
}

TEST(VirtualEventLoopTest, StartRestartsTheCountdown) {
    VirtualEventLoop loop;
    Recorder r{{}, &loop};
    auto t = loop.createTimer();
    t->setInterval(1000);
    t->setHandler([&] { r.note("t"); });
    t->start();
    loop.advance(800);
    t->start();
    loop.advance(1500);
    EXPECT_EQ(r.log, std::vector<std::string>{"t@1800"});
}

TEST(VirtualEventLoopTest, APauseMovesTheClockAndOverdueTimersFireOnceAfterIt) {
    VirtualEventLoop loop;
    Recorder r{{}, &loop};
    auto t = loop.createTimer();
    t->setInterval(100);
    t->setHandler([&] { r.note("t"); });
    t->start();
    loop.pause(350);  // a blocked thread: nothing runs
    EXPECT_TRUE(r.log.empty());
    EXPECT_EQ(loop.pausedMs(), 350);
    loop.processEvents();
    EXPECT_EQ(r.log, std::vector<std::string>{"t@350"});
    loop.advance(100);
    EXPECT_EQ(r.log, (std::vector<std::string>{"t@350", "t@450"}));
}

TEST(VirtualEventLoopTest, AHandlerThatLetsEventsRunIsNotEnteredAgain) {
    VirtualEventLoop loop;
    int depth = 0;
    int maxDepth = 0;
    int other = 0;
    auto slow = loop.createTimer();
    auto fast = loop.createTimer();
    slow->setInterval(100);
    fast->setInterval(10);
    fast->setHandler([&] { ++other; });
    slow->setHandler([&] {
        maxDepth = std::max(maxDepth, ++depth);
        loop.advance(250);  // lets other events run, as a long action does
        --depth;
    });
    slow->start();
    fast->start();
    loop.advance(100);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_GT(other, 20);
}

TEST(VirtualEventLoopTest, PostedTasksRunInOrder) {
    VirtualEventLoop loop;
    std::string order;
    loop.post([&] {
        order += "1";
        loop.post([&] { order += "3"; });
    });
    loop.post([&] { order += "2"; });
    loop.processEvents();
    EXPECT_EQ(order, "123");
}

TEST(VirtualEventLoopTest, NothingRunsAfterTheProgramEnds) {
    VirtualEventLoop loop;
    int fired = 0;
    bool cleaned = false;
    auto t = loop.createTimer();
    t->setInterval(100);
    t->setHandler([&] {
        ++fired;
        loop.exitNow(3);
    });
    t->start();
    loop.addExitCleanup([&] { cleaned = true; });
    loop.post([&] { ++fired; });
    loop.advance(50);  // the post runs
    loop.advance(1000);
    EXPECT_EQ(fired, 2);
    EXPECT_TRUE(loop.exited());
    EXPECT_EQ(loop.exitStatus(), 3);
    EXPECT_TRUE(cleaned);
}

TEST(VirtualEventLoopTest, TheClockCrossesMidnightAndMonthEnds) {
    VirtualEventLoop loop({2024, 2, 28, 23, 59, 58, 500});
    loop.advance(1000);
    auto t = loop.localNow();
    EXPECT_EQ(t.day, 28);
    EXPECT_EQ(t.second, 59);
    EXPECT_EQ(t.millisecond, 500);
    loop.advance(1000);
    t = loop.localNow();
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);  // a leap year
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.minute, 0);
    EXPECT_EQ(t.second, 0);
    loop.advance(24LL * 3600 * 1000);
    t = loop.localNow();
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 1);
}

TEST(VirtualEventLoopTest, ATimerDeletedByItsOwnHandlerIsSafe) {
    VirtualEventLoop loop;
    auto t = loop.createTimer();
    int fired = 0;
    t->setInterval(10);
    t->setHandler([&] {
        ++fired;
        t.reset();
    });
    t->start();
    loop.advance(100);
    EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace kolt
