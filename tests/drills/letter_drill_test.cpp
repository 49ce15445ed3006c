#include <gtest/gtest.h>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

constexpr ui::Colour kHit = 0x8000FF;

std::string targets(RunningProgram& run) {
    std::string all;
    for (const auto& t : run.program->boards().letterDrill().KeyTargets())
        all += t;
    return all;
}

void type(RunningProgram& run, char ch) {
    const int key = ch >= 'a' && ch <= 'z' ? ch - 32 : ch;
    run.press(key, ui::NoModifier, std::string(1, ch).c_str());
}

struct JudgeCase {
    int type;
    char key;
    int hitSlot;  // 0: an error
};

class FirstBoardJudging : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(FirstBoardJudging, HitsTheFirstEqualSlotOrCountsAnError) {
    const auto& c = GetParam();
    RunningProgram run;
    run.platform.randomDraws = {7};
    run.start(c.type);
    const std::string before = targets(run);
    type(run, c.key);
    auto& s = run.practice();
    EXPECT_EQ(s.CorrectKeys, c.hitSlot ? 1 : 0);
    EXPECT_EQ(s.ErrorCount, c.hitSlot ? 0 : 1);
    for (int slot = 1; slot <= 4; ++slot) {
        const bool hit = slot == c.hitSlot;
        EXPECT_EQ(run.form().targetLabels()[slot - 1]->colour() == kHit, hit) << slot;
        EXPECT_EQ(targets(run)[slot - 1] == before[slot - 1], !hit) << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstBoardJudging,
                         ::testing::Values(JudgeCase{0, 'a', 1}, JudgeCase{0, 'A', 1},
                                           JudgeCase{0, 'd', 4}, JudgeCase{0, 'e', 0},
                                           JudgeCase{0, ' ', 0}, JudgeCase{1, 'B', 2},
                                           JudgeCase{1, 'c', 3}, JudgeCase{1, '1', 0},
                                           JudgeCase{2, '3', 3}, JudgeCase{2, 'a', 0},
                                           JudgeCase{2, '5', 0}, JudgeCase{2, '\r', 0}));

struct DrawCase {
    int type;
    std::vector<int> draws;
    std::string keys;
    std::string slot1Targets;  // slot 1's target after each key
};

class NewTargets : public ::testing::TestWithParam<DrawCase> {};

TEST_P(NewTargets, NeverEqualTheKeyJustTyped) {
    const auto& c = GetParam();
    RunningProgram run;
    run.platform.randomDraws.assign(c.draws.begin(), c.draws.end());
    run.start(c.type);
    for (std::size_t i = 0; i < c.keys.size(); ++i) {
        type(run, c.keys[i]);
        EXPECT_EQ(targets(run)[0], c.slot1Targets[i]) << "after key " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NewTargets,
                         ::testing::Values(
                             // A -> Z, then typing Z draws Z again: it wraps to A.
                             DrawCase{0, {25, 25}, "az", "ZA"}, DrawCase{1, {1, 1}, "ab", "bc"},
                             // 1 -> 9, then typing 9 draws 9 again: digits wrap to 1, not 0.
                             DrawCase{2, {9, 9}, "19", "91"}, DrawCase{2, {0, 0}, "10", "01"}));

TEST(LetterDrill, OnlyTheLowerOfTwoEqualSlotsIsHit) {
    RunningProgram run;
    run.platform.randomDraws = {1};  // slot 1: A -> B, like slot 2
    run.start(0);
    type(run, 'a');
    run.platform.clock().advance(500);
    ASSERT_EQ(targets(run), "BBCD");
    run.platform.randomDraws = {25};
    type(run, 'b');
    EXPECT_EQ(targets(run), "ZBCD");
}

TEST(HitDisplay, ShowsTheTypedKeyInTheHitColourForTheChosenTime) {
    RunningProgram run;
    auto& f = run.form();
    f.TrackBar1.setPosition(3);
    run.platform.randomDraws = {20};
    run.start(0);
    type(run, 'c');
    EXPECT_EQ(f.Label3.caption(), "C");
    EXPECT_EQ(f.Label3.colour(), kHit);
    run.platform.clock().advance(299);
    EXPECT_EQ(f.Label3.colour(), kHit);
    run.platform.clock().advance(1);
    EXPECT_EQ(f.Label3.caption(), "U");
    EXPECT_EQ(f.Label3.colour(), ui::colours::Highlight);
    EXPECT_FALSE(f.Timer5.enabled());
}

TEST(HitDisplay, ASecondHitDoesNotLengthenTheDisplay) {
    RunningProgram run;
    auto& f = run.form();
    run.platform.randomDraws = {4, 5};  // A -> E, then E -> F
    run.start(0);
    type(run, 'a');
    run.platform.clock().advance(200);
    // The label still shows A, but the slot's target is already E: typing it hits again.
    type(run, 'e');
    EXPECT_EQ(run.practice().CorrectKeys, 2);
    EXPECT_EQ(f.Label1.caption(), "A");
    run.platform.clock().advance(300);
    EXPECT_EQ(f.Label1.caption(), "F");
    EXPECT_EQ(f.Label1.colour(), ui::colours::Highlight);
}

TEST(HitDisplay, DisplayTimeFollowsTheSlider) {
    for (const auto& [position, ms] : {std::pair{1, 100}, std::pair{10, 1000}}) {
        RunningProgram run;
        run.form().TrackBar1.setPosition(position);
        run.start(2);
        type(run, '1');
        run.platform.clock().advance(ms - 1);
        EXPECT_EQ(run.form().Label1.colour(), kHit) << position;
        run.platform.clock().advance(1);
        EXPECT_EQ(run.form().Label1.colour(), ui::colours::Highlight) << position;
    }
}

TEST(LetterDrill, HitsSoundUnlessEffectsAreOff) {
    RunningProgram run;
    run.start(0);
    type(run, 'a');
    type(run, 'x');
    EXPECT_EQ(run.platform.recordingAudio.waves.size(), 1u);
    run.escape();
    run.form().CheckBox2.click();
    run.start(0);
    type(run, 'b');
    EXPECT_EQ(run.platform.recordingAudio.waves.size(), 1u);
    EXPECT_EQ(run.practice().CorrectKeys, 1);
}

TEST(LetterDrill, KeysAreJudgedWhilePausedButNotWhileIdle) {
    RunningProgram run;
    run.start(0);
    run.escape(ui::ShiftDown);
    type(run, 'a');
    EXPECT_EQ(run.practice().CorrectKeys, 1);
    run.escape();
    run.form().setFocus(nullptr);
    type(run, 'b');
    type(run, 'q');
    EXPECT_EQ(run.practice().CorrectKeys, 1);
    EXPECT_EQ(run.practice().ErrorCount, 0);
}

}  // namespace
}  // namespace quorvin::testing
