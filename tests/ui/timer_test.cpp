#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/timer.h"
#include "virtual_clock.h"

namespace quorvin::testing {
namespace {

class TimerTest : public ::testing::Test {
  protected:
    ui::Timer& make(const std::string& name, int interval, bool enabled) {
        timers.push_back(std::make_unique<ui::Timer>(name));
        ui::Timer& t = *timers.back();
        t.setEnabled(false);
        t.setInterval(interval);
        t.setScheduler(&clock);
        t.onTimer = [this, &t] { fired.push_back(t.name() + "@" + std::to_string(clock.now())); };
        t.setEnabled(enabled);
        return t;
    }

    VirtualClock clock;
    std::vector<std::unique_ptr<ui::Timer>> timers;
    std::vector<std::string> fired;
};

TEST_F(TimerTest, PeriodicTimersFireInTimeOrder) {
    make("slow", 300, true);
    make("fast", 200, true);
    clock.advance(650);
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@200", "slow@300", "fast@400", "slow@600",
                                               "fast@600"}));
}

TEST_F(TimerTest, EnablingAnEnabledTimerKeepsItsSchedule) {
    ui::Timer& t = make("t", 500, true);
    clock.advance(300);
    t.setEnabled(true);
    clock.advance(200);
    EXPECT_EQ(fired, (std::vector<std::string>{"t@500"}));
}

TEST_F(TimerTest, ReenablingADisabledTimerStartsAFreshInterval) {
    ui::Timer& t = make("t", 1000, true);
    clock.advance(700);
    t.setEnabled(false);
    clock.advance(100);
    t.setEnabled(true);
    clock.advance(999);
    EXPECT_TRUE(fired.empty());
    clock.advance(1);
    EXPECT_EQ(fired, (std::vector<std::string>{"t@1800"}));
}

TEST_F(TimerTest, ChangingTheIntervalOfARunningTimerRestartsIt) {
    ui::Timer& t = make("t", 500, true);
    clock.advance(400);
    t.setInterval(300);
    clock.advance(299);
    EXPECT_TRUE(fired.empty());
    clock.advance(1);
    EXPECT_EQ(fired, (std::vector<std::string>{"t@700"}));
}

TEST_F(TimerTest, AHandlerThatDisablesItsTimerMakesItOneShot) {
    ui::Timer& t = make("t", 100, true);
    t.onTimer = [&] {
        fired.push_back("once");
        t.setEnabled(false);
    };
    clock.advance(1000);
    EXPECT_EQ(fired, (std::vector<std::string>{"once"}));
    EXPECT_EQ(clock.dueAt(t), -1);
}

TEST_F(TimerTest, DisabledZeroIntervalAndDestroyedTimersNeverFire) {
    make("off", 100, false);
    make("zero", 0, true);
    ui::Timer& gone = make("gone", 100, true);
    timers.pop_back();
    (void)gone;
    clock.advance(1000);
    EXPECT_TRUE(fired.empty());
}

TEST_F(TimerTest, AHandlerMayStartAnotherTimerDueWithinTheSameAdvance) {
    ui::Timer& second = make("second", 50, false);
    ui::Timer& first = make("first", 100, true);
    first.onTimer = [&] {
        fired.push_back("first@" + std::to_string(clock.now()));
        first.setEnabled(false);
        second.setEnabled(true);
    };
    clock.advance(200);
    EXPECT_EQ(fired, (std::vector<std::string>{"first@100", "second@150", "second@200"}));
}

}  // namespace
}  // namespace quorvin::testing
