#include <gtest/gtest.h>

#include "drill_keys.h"
#include "table_files.h"

namespace quorvin::testing {
namespace {

using test::ColumnLine;
using test::crlfLines;
using test::gbk;

constexpr ui::Colour kHit = 0x8000FF;

// Small tables whose every entry a case can name by its draw.
void writeWubiTables(TempProgramFolder& folder) {
    // Four radicals and the filler that makes the last one drawable.
    test::writeEnciphered(folder, "wbzg.dat",
                          crlfLines({gbk("王g"), gbk("土f"), gbk("大d"), gbk("木s")}) + "\r\n   ");
    folder.write("wb1.dat", crlfLines({gbk("一g"), gbk("地f"), gbk("在d"), gbk("要s")}));
    folder.write("wb2.dat", crlfLines({ColumnLine().at(1, "五gg").bytesAt(16, "1").str(),
                                       ColumnLine().at(1, "中kh").bytesAt(15, "12").str()}));
    test::writeEnciphered(folder, "wbs.dat",
                          crlfLines({test::wbsLine({"g", "gg", "ggg", "gggg"}, "一", 1),
                                     test::wbsLine({"k", "kh", "khk"}, "中", 2),
                                     test::wbsLine({"f", "fb", "fbn"}, "地", 3)}));
    test::writeEnciphered(
        folder, "wbTwo.dat",
        crlfLines({test::wbCodeLine("khlg", "中国"), test::wbCodeLine("gggg", "一一")}));
}

struct WubiRun {
    WubiRun(int type, std::vector<int> draws) : run(writeWubiTables) {
        run.platform.randomDraws = {draws.begin(), draws.end()};
        run.start(type);
    }
    int hitSlot() {
        int hit = 0;
        for (int slot = 1; slot <= 4; ++slot)
            if (run.form().targetLabels()[slot - 1]->colour() == kHit) hit = hit ? -1 : slot;
        return hit;
    }
    RunningProgram run;
};

struct JudgeCase {
    const char* what;
    int type;
    std::vector<int> draws;
    const char* keys;
    int hits;
    int errors;
    const char* box;  // Edit1 afterwards
    int hitSlot;      // the one slot flashing, 0 for none
};

class WubiJudging : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(WubiJudging, SubmitsAndJudgesAsTheTypeSays) {
    const JudgeCase& c = GetParam();
    WubiRun w(c.type, c.draws);
    typeKeys(w.run, c.keys);
    EXPECT_EQ(w.run.practice().CorrectCodes, c.hits);
    EXPECT_EQ(w.run.practice().ErrorCount, c.errors);
    EXPECT_EQ(w.run.form().Edit1.text(), c.box);
    EXPECT_EQ(w.hitSlot(), c.hitSlot);
}

// Radicals 王g 土f 大d 木s; level 1 一g 地f 在d 要s; characters 一 (g gg ggg gggg), 中 (k kh
// khk), 地 (f fb fbn); words 中国 khlg, 一一 gggg.
INSTANTIATE_TEST_SUITE_P(
    Cases, WubiJudging,
    ::testing::Values(
        JudgeCase{"radical: a lower-case key hits at once", 7, {0, 1, 2, 3}, "g", 1, 0, "g", 1},
        JudgeCase{"radical: Space is a code, and wrong", 7, {0, 1, 2, 3}, " ", 0, 1, " ", 0},
        JudgeCase{"radical practice: capitals too", 12, {0, 1, 2, 3}, "F", 1, 0, "F", 2},
        JudgeCase{"level 1: letter then Space", 8, {0, 1, 2, 3}, "g ", 1, 0, "", 1},
        JudgeCase{"level 1: two letters miss, a blank stays", 8, {0, 1, 2, 3}, "gg ", 0, 1, " ", 0},
        JudgeCase{"digits and punctuation are swallowed", 13, {0, 1, 2, 3}, "1,;f ", 1, 0, "", 2},
        JudgeCase{"a full stop empties the box and stays", 8, {0, 1, 2, 3}, "gx.", 0, 0, ".", 0},
        JudgeCase{"level 2: two letters", 9, {1, 0, 0, 0}, "kh ", 1, 0, "", 1},
        JudgeCase{"character: the second code", 10, {0, 0, 0, 0}, "gg ", 1, 0, "", 1},
        JudgeCase{"character: the third code", 10, {1, 1, 1, 0}, "ggg ", 1, 0, "", 4},
        JudgeCase{"character: a fourth letter submits", 10, {1, 1, 1, 0}, "gggg", 1, 0, "", 4},
        JudgeCase{"character: Backspace after three letters submits them",
                  10,
                  {1, 1, 1, 0},
                  "ggg\b",
                  1,
                  0,
                  "",
                  4},
        JudgeCase{"character practice: a missed fourth letter starts the next code",
                  15,
                  {0, 0, 0, 0},
                  "abcd",
                  0,
                  1,
                  "d",
                  0},
        JudgeCase{"character: the blank a miss left does not shorten the next code",
                  10,
                  {1, 1, 1, 0},
                  "zz gggg",
                  1,
                  1,
                  "",
                  4},
        JudgeCase{"words follow: four letters wait for Space", 11, {0, 1}, "khlg", 0, 0, "khlg", 0},
        JudgeCase{"words follow: Space submits", 11, {0, 1}, "gggg ", 1, 0, "", 3},
        JudgeCase{"words practice: the fourth letter submits", 16, {0, 1}, "khlg", 1, 0, "", 1}));

TEST(WubiDrill, TwoEqualTargetsHitTheLowerSlot) {
    WubiRun w(8, {2, 0, 2, 0});
    typeKeys(w.run, "d ");
    EXPECT_EQ(w.hitSlot(), 1);
    EXPECT_EQ(w.run.program->boards().wubiDrill().Level1Targets()[2].Code, "D");
}

struct HintCase {
    int type;
    std::vector<int> draws;
    const char* keys;
    const char* label5;
    const char* label8;
    bool animation;
};

class WubiFollowHints : public ::testing::TestWithParam<HintCase> {};

TEST_P(WubiFollowHints, ShowTheNextSlotAfterAHit) {
    const HintCase& c = GetParam();
    WubiRun w(c.type, c.draws);
    w.run.form().Image1.clear();
    typeKeys(w.run, c.keys);
    EXPECT_EQ(utf8(w.run.form().Label5.caption()), c.label5);
    EXPECT_EQ(utf8(w.run.form().Label8.caption()), c.label8);
    EXPECT_EQ(w.run.form().Image1.picture() != nullptr, c.animation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WubiFollowHints,
    ::testing::Values(HintCase{7, {0, 1, 2, 3}, "g", "F", "土", false},
                      HintCase{8, {0, 1, 2, 3}, "d ", "S", "要", false},
                      HintCase{9, {0, 1, 0, 0}, "gg ", "KH", "", true},
                      // 中 一 一 地: slot 1 hit (redrawn as 中, hint slot 2's g), then slot 4
                      HintCase{10, {1, 0, 0, 2, 1}, "k fbn ", "k", "", true},
                      HintCase{12, {0, 1, 2, 3}, "g", "", "", false},
                      HintCase{15, {0, 1, 2, 0}, "k ", "", "", false}));

TEST(WubiDrill, PreparedBoardsShowTargetsAndTheFirstHint) {
    const struct {
        int type;
        std::vector<int> draws;
        const char* board;
        const char* label5;
        bool label8Shown;
    } cases[] = {
        {7, {0, 1, 2, 3}, "王|土|大|木", "G", true},
        {12, {0, 1, 2, 3}, "王|土|大|木", "", true},
        {8, {3, 2, 1, 0}, "要|在|地|一", "S", true},
        {14, {1, 0, 1, 0}, "中|五|中|五", "", false},
        {10, {2, 1, 0, 0}, "地|中|一|一", "f", false},
        {11, {0, 1}, "中国|-|一一|-", "khlg(中国)", false},
        {16, {1, 0}, "一一|-|中国|-", "", false},
    };
    for (const auto& c : cases) {
        WubiRun w(c.type, c.draws);
        const auto& f = w.run.form();
        EXPECT_EQ(board(w.run), c.board) << c.type;
        EXPECT_EQ(utf8(f.Label5.caption()), c.label5) << c.type;
        EXPECT_EQ(f.Label8.visible(), c.label8Shown) << c.type;
        const bool twoTargets = c.type == 11 || c.type == 16;
        EXPECT_EQ(f.Label2.visible(), !twoTargets) << c.type;
        EXPECT_EQ(f.Label4.visible(), !twoTargets) << c.type;
    }
}

TEST(WubiDrill, F1WalksThroughTheStoredCodesShortestFirstWithTheAnimation) {
    WubiRun w(15, {0, 1, 2, 0});
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i) {
        w.run.press(ui::vk::F1);
        shown.push_back(w.run.form().Label5.caption());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"g", "gg", "ggg", "gggg", "g"}));
    EXPECT_NE(w.run.form().Image1.picture(), nullptr);
    // Slot 2 (中) has three codes: the fourth press shows an empty code.
    for (int i = 0; i < 4; ++i)
        w.run.press(ui::vk::F2);
    EXPECT_EQ(w.run.form().Label5.caption(), "");
}

TEST(WubiDrill, FKeysOfTheOtherSubjects) {
    const struct {
        int type;
        int key;
        const char* label5;
        const char* label8;
    } cases[] = {
        {12, ui::vk::F2, "F", "土"},
        {13, ui::vk::F4, "S", "要"},
        {16, ui::vk::F2, "gggg(一一)", ""},
        {16, ui::vk::F3, "", ""},
    };
    for (const auto& c : cases) {
        WubiRun w(c.type, {0, 1, 2, 3});
        w.run.press(c.key);
        EXPECT_EQ(utf8(w.run.form().Label5.caption()), c.label5) << c.type;
        EXPECT_EQ(utf8(w.run.form().Label8.caption()), c.label8) << c.type;
    }
}

TEST(WubiDrill, TheEndOfAWordDisplayShowsTheOtherWordInTypeElevenOnly) {
    for (int type : {11, 16}) {
        WubiRun w(type, {0, 1, 1});
        typeKeys(w.run, "khlg ");
        w.run.platform.clock().advance(500);
        EXPECT_EQ(board(w.run), "一一|-|一一|-") << type;
        EXPECT_EQ(utf8(w.run.form().Label5.caption()), type == 11 ? "gggg(一一)" : "") << type;
        EXPECT_EQ(w.run.form().Label1.colour(), ui::colours::Highlight);
    }
}

TEST(WubiDrill, AnEmptyTableEndsTheStartWithAMessage) {
    RunningProgram run([](TempProgramFolder& folder) {
        writeWubiTables(folder);
        test::writeEnciphered(folder, "wbTwo.dat", "");
    });
    run.start(16);
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].text, "五笔词练的练习字库是空的，无法练习。");
    EXPECT_EQ(run.platform.messages[0].caption, "错误");
    EXPECT_FALSE(run.form().sessionShown());
    EXPECT_FALSE(run.form().Timer1.enabled());
}

// Thirty seconds of level-1 codes, each read off the board and typed with Space, on the real
// tables: the record the clock makes shows them all right.
TEST(WubiDrill, AThirtySecondLevelOneSessionIsRecordedWithItsAccuracy) {
    RunningProgram run;
    run.start(13);
    const auto& drill = run.program->boards().wubiDrill();
    for (int second = 0; second < 30; ++second) {
        for (int k = 0; k < 2; ++k) {
            std::string code = drill.Level1Targets()[static_cast<std::size_t>(k)].Code;
            typeKeys(run, code + " ");
        }
        typeKeys(run, "qq ");  // one wrong code a second
        run.platform.clock().advance(1000);
    }
    ASSERT_FALSE(run.form().sessionShown());
    ASSERT_GE(run.program->scores().ScoreCount(), 1);
    const records::orvScoreSet last = run.program->scores().at(run.program->scores().ScoreCount());
    EXPECT_EQ(utf8(last.TypeName), "一级简码");
    EXPECT_EQ(utf8(last.Total), "90字");
    EXPECT_EQ(last.CorrectRate, "66.67%");
}

}  // namespace
}  // namespace quorvin::testing
