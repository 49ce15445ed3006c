#include <gtest/gtest.h>

#include <cmath>

#include "drills/typing_game.h"
#include "running_program.h"

namespace quorvin::testing {
namespace {

void type(RunningProgram& run, char ch) {
    const int key = ch >= 'a' && ch <= 'z' ? ch - 32 : ch;
    run.press(key, ui::NoModifier, std::string(1, ch).c_str());
}

// Virtual time for k designed steps of the flight.
std::int64_t stepsMs(int k) {
    return static_cast<std::int64_t>(std::llround(k * drills::TypingGame::StepMs));
}

TEST(TypingGame, StartsAtTheRightEdgeWithTheFirstCharacter) {
    RunningProgram run;
    run.start(17);
    EXPECT_EQ(run.form().Label15.caption(), "A");
    EXPECT_EQ(run.form().Label15.left(), 888);
    run.escape();
    run.start(18);
    EXPECT_EQ(run.form().Label15.caption(), "1");
    EXPECT_EQ(run.form().Label15.left(), 888);
}

TEST(TypingGame, StepFollowsTheSlider) {
    for (const auto& [position, step] : {std::pair{1, 14}, std::pair{5, 10}, std::pair{10, 5}}) {
        RunningProgram run;
        run.form().TrackBar1.setPosition(position);
        run.start(17);
        run.platform.clock().advance(stepsMs(8));
        EXPECT_NEAR(run.form().Label15.left(), 888 - 8 * step, 1) << position;
    }
}

TEST(TypingGame, SpeedDoesNotDependOnHowOftenTheTimerFires) {
    int lefts[2];
    for (int i = 0; i < 2; ++i) {
        RunningProgram run;
        run.form().Timer7.setInterval(i == 0 ? 1 : 16);
        run.start(17);
        run.platform.clock().advance(1000);
        lefts[i] = run.form().Label15.left();
    }
    // 64 designed steps of 10 px in a second, at either rate.
    EXPECT_NEAR(lefts[0], 888 - 640, 2);
    EXPECT_NEAR(lefts[1], lefts[0], 10);
}

TEST(TypingGame, AnEscapedCharacterReturnsChangedWithoutPenalty) {
    RunningProgram run;
    run.form().TrackBar1.setPosition(1);
    run.platform.randomDraws = {0};  // the draw repeats the escaped A: the next letter comes
    run.start(17);
    run.platform.clock().advance(stepsMs(70));
    EXPECT_EQ(run.form().Label15.caption(), "B");
    EXPECT_GT(run.form().Label15.left(), 700);
    EXPECT_EQ(run.practice().ErrorCount, 0);
    EXPECT_EQ(run.practice().CorrectKeys, 0);
}

TEST(TypingGame, DigitsWrapFromNineToOne) {
    RunningProgram run;
    run.platform.randomDraws = {9, 9};
    run.start(18);
    type(run, '1');  // 1 -> 9
    EXPECT_EQ(run.form().Label15.caption(), "9");
    type(run, '9');  // the draw repeats 9: 1 follows
    EXPECT_EQ(run.form().Label15.caption(), "1");
}

TEST(TypingGame, HitsRelaunchAndOtherKeysAreErrors) {
    RunningProgram run;
    run.platform.randomDraws = {3};
    run.start(17);
    run.platform.clock().advance(500);
    ASSERT_LT(run.form().Label15.left(), 888);
    type(run, 'a');  // lower case hits the upper-case target
    EXPECT_EQ(run.practice().CorrectKeys, 1);
    EXPECT_EQ(run.form().Label15.caption(), "D");
    EXPECT_EQ(run.form().Label15.left(), 888);
    for (char wrong : {'a', ' ', '\r', '4'})
        type(run, wrong);
    EXPECT_EQ(run.practice().ErrorCount, 4);
    EXPECT_EQ(run.platform.recordingAudio.waves.size(), 1u);
}

TEST(TypingGame, TheFlightGoesOnWhilePaused) {
    RunningProgram run;
    run.start(17);
    run.escape(ui::ShiftDown);
    const int left = run.form().Label15.left();
    run.platform.clock().advance(200);
    EXPECT_LT(run.form().Label15.left(), left);
    type(run, 'a');
    EXPECT_EQ(run.practice().CorrectKeys, 1);
}

}  // namespace
}  // namespace quorvin::testing
