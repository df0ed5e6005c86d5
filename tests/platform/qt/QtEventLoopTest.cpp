#include "platform/qt/QtEventLoop.h"

#include <gtest/gtest.h>

#include "support/QtWait.h"

namespace kolt {
namespace {

using test::waitFor;

TEST(QtEventLoopTest, TimersFireUntilStoppedAndAZeroIntervalNeverFires) {
    QtEventLoop loop;
    auto t = loop.createTimer();
    auto zero = loop.createTimer();
    int fired = 0;
    int zeroFired = 0;
    t->setInterval(5);
    t->setHandler([&] {
        if (++fired == 3) t->stop();
    });
    zero->setHandler([&] { ++zeroFired; });
    zero->start();
    t->start();
    ASSERT_TRUE(waitFor([&] { return fired == 3; }));
    EXPECT_FALSE(t->isActive());
    EXPECT_TRUE(zero->isActive());
    // Stopped and zero-interval timers stay quiet while the loop runs on.
    auto marker = loop.createTimer();
    int markerFired = 0;
    marker->setInterval(30);
    marker->setHandler([&] { ++markerFired; });
    marker->start();
    ASSERT_TRUE(waitFor([&] { return markerFired >= 2; }));
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(zeroFired, 0);
}

TEST(QtEventLoopTest, AHandlerThatLetsEventsRunIsNotEnteredAgain) {
    QtEventLoop loop;
    auto t = loop.createTimer();
    int depth = 0;
    int maxDepth = 0;
    int calls = 0;
    t->setInterval(1);
    t->setHandler([&] {
        maxDepth = std::max(maxDepth, ++depth);
        ++calls;
        for (int i = 0; i < 20; ++i) {
            loop.processEvents();
            QThread::msleep(1);
        }
        --depth;
    });
    t->start();
    ASSERT_TRUE(waitFor([&] { return calls >= 3; }));
    t->stop();
    EXPECT_EQ(maxDepth, 1);
}

TEST(QtEventLoopTest, AHandlerMayEndItsOwnTimer) {
    QtEventLoop loop;
    auto t = loop.createTimer();
    int fired = 0;
    t->setInterval(1);
    t->setHandler([&] {
        ++fired;
        t.reset();
    });
    t->start();
    ASSERT_TRUE(waitFor([&] { return !t; }));
    loop.pause(5);
    loop.processEvents();
    EXPECT_EQ(fired, 1);
}

TEST(QtEventLoopTest, PostedCallsRunInOrderOnTheLoop) {
    QtEventLoop loop;
    std::string order;
    loop.post([&] { order += "a"; });
    loop.post([&] { order += "b"; });
    EXPECT_EQ(order, "");
    ASSERT_TRUE(waitFor([&] { return order.size() == 2; }));
    EXPECT_EQ(order, "ab");
}

TEST(QtEventLoopTest, ThePauseBlocksAndTheClockMoves) {
    QtEventLoop loop;
    bool ran = false;
    loop.post([&] { ran = true; });
    const auto before = loop.elapsedMs();
    loop.pause(20);
    EXPECT_FALSE(ran);  // nothing runs during a pause
    EXPECT_GE(loop.elapsedMs() - before, 20);
    const LocalDateTime now = loop.localNow();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.hour, 23);
    loop.processEvents();
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace kolt
