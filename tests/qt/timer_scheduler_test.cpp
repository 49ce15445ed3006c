#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "ui/qt/timer_scheduler.h"
#include "ui/timer.h"

namespace quorvin::ui::qt {
namespace {

class TimerSchedulerTest : public ::testing::Test {
  protected:
    Timer& makeTimer(int intervalMs, bool enabled = true) {
        timer = std::make_unique<Timer>("Timer1");
        timer->setInterval(intervalMs);
        timer->setEnabled(enabled);
        timer->setScheduler(&scheduler);
        return *timer;
    }

    QtTimerScheduler scheduler;
    std::unique_ptr<Timer> timer;
    int fired = 0;
};

TEST_F(TimerSchedulerTest, FiresPeriodicallyUntilDisabled) {
    Timer& t = makeTimer(10);
    t.onTimer = [this] { ++fired; };
    EXPECT_TRUE(scheduler.scheduled(t));
    EXPECT_TRUE(QTest::qWaitFor([this] { return fired >= 3; }, 2000));
    t.setEnabled(false);
    EXPECT_FALSE(scheduler.scheduled(t));
    const int before = fired;
    QTest::qWait(60);
    EXPECT_EQ(fired, before);
}

TEST_F(TimerSchedulerTest, IntervalsShorterThanTheDesktopTickRunAtTheTick) {
    Timer& t = makeTimer(1);
    EXPECT_EQ(scheduler.period(t), QtTimerScheduler::kShortestIntervalMs);
    t.setInterval(1000);
    EXPECT_EQ(scheduler.period(t), 1000);
}

TEST_F(TimerSchedulerTest, ATimerWithoutIntervalOrDisabledNeverRuns) {
    Timer& idle = makeTimer(0);
    EXPECT_FALSE(scheduler.scheduled(idle));
    Timer& off = makeTimer(10, false);
    off.onTimer = [this] { ++fired; };
    EXPECT_FALSE(scheduler.scheduled(off));
    off.setEnabled(true);
    EXPECT_TRUE(scheduler.scheduled(off));
}

TEST_F(TimerSchedulerTest, AOneShotHandlerDisablesItself) {
    Timer& t = makeTimer(10);
    t.onTimer = [&] {
        ++fired;
        t.setEnabled(false);
    };
    EXPECT_TRUE(QTest::qWaitFor([this] { return fired == 1; }, 2000));
    QTest::qWait(60);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(scheduler.scheduled(t));
    // Enabling it again starts a fresh interval.
    t.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([this] { return fired == 2; }, 2000));
}

TEST_F(TimerSchedulerTest, AHandlerMayDeleteItsOwnTimer) {
    Timer& t = makeTimer(10);
    t.onTimer = [this] {
        ++fired;
        timer.reset();
    };
    EXPECT_TRUE(QTest::qWaitFor([this] { return fired == 1; }, 2000));
    QTest::qWait(60);
    EXPECT_EQ(fired, 1);
}

TEST_F(TimerSchedulerTest, ATimerDeletedWhileIdleIsForgotten) {
    Timer& t = makeTimer(10);
    t.onTimer = [this] { ++fired; };
    timer.reset();
    QTest::qWait(60);
    EXPECT_EQ(fired, 0);
}

}  // namespace
}  // namespace quorvin::ui::qt
