#include <gtest/gtest.h>

#include "drill_keys.h"
#include "table_files.h"

namespace quorvin::testing {
namespace {

using test::crlfLines;
using test::pysLine;
using test::pyTwoLine;

constexpr ui::Colour kHit = 0x8000FF;

// PYs positions 1-2 are the polyphone 地 (de, dì), 3-4 two characters read zhōng, 5 is 国;
// words 中国, 东西, 你好.
void writePinyinTables(TempProgramFolder& folder) {
    test::writeEnciphered(
        folder, "PYs.dat",
        crlfLines({pysLine("de", "地", "de5"), pysLine("dì", "地", "di4"),
                   pysLine("zhōng", "中", "zhong1"), pysLine("zhōng", "钟", "zhong1"),
                   pysLine("guó", "国", "guo2")}));
    test::writeEnciphered(folder, "PYTwo.dat",
                          crlfLines({pyTwoLine("zhongguo", "中国", "zhōngguó", "zhong1 guo2"),
                                     pyTwoLine("dongxi", "东西", "dōngxi", "dong1 xi5"),
                                     pyTwoLine("nihao", "你好", "nǐhǎo", "ni3 hao3")}));
}

const std::vector<std::string> kSyllables = {"MyPyWAVde5",  "MyPyWAVdi4",   "MyPyWAVzhong1",
                                             "MyPyWAVguo2", "MyPyWAVdong1", "MyPyWAVxi5",
                                             "MyPyWAVni3",  "MyPyWAVhao3"};

struct PinyinRun {
    PinyinRun(int type, std::vector<int> draws, int oldTip = 1) : run(writePinyinTables) {
        run.program->settings().PYOldTip = oldTip;
        run.platform.randomDraws = {draws.begin(), draws.end()};
        run.start(type);
    }
    int hitSlot() {
        int hit = 0;
        for (int slot = 1; slot <= 4; ++slot)
            if (run.form().targetLabels()[slot - 1]->colour() == kHit) hit = hit ? -1 : slot;
        return hit;
    }
    std::vector<std::string> spoken() { return played(run, kSyllables); }
    void ms(int n) { run.platform.clock().advance(n); }
    RunningProgram run;
};

struct JudgeCase {
    const char* what;
    int type;
    std::vector<int> draws;
    const char* keys;
    int hits;
    int errors;
    int hitSlot;
};

class PinyinJudging : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(PinyinJudging, SpaceSubmitsTheSpelling) {
    const JudgeCase& c = GetParam();
    PinyinRun p(c.type, c.draws);
    typeKeys(p.run, c.keys);
    EXPECT_EQ(p.run.practice().CorrectCodes, c.hits);
    EXPECT_EQ(p.run.practice().ErrorCount, c.errors);
    EXPECT_EQ(p.hitSlot(), c.hitSlot);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PinyinJudging,
    ::testing::Values(
        JudgeCase{"practice prefers the higher slot", 3, {2, 3, 4, 4}, "zhong ", 1, 0, 2},
        JudgeCase{"follow prefers the lower slot", 4, {2, 3, 4, 4}, "zhong ", 1, 0, 1},
        JudgeCase{"capitals hit", 3, {4, 4, 4, 2}, "ZHONG ", 1, 0, 4},
        JudgeCase{"letters alone judge nothing", 3, {2, 3, 4, 4}, "zhong", 0, 0, 0},
        JudgeCase{"Space in an empty box counts nothing", 4, {2, 3, 4, 4}, " ", 0, 0, 0},
        JudgeCase{"digits are swallowed", 4, {4, 4, 2, 4}, "zh1ong ", 1, 0, 3},
        JudgeCase{
            "practice: another reading of the polyphone hits", 3, {4, 0, 4, 4}, "di ", 1, 0, 2},
        JudgeCase{"follow: only the target's own reading", 4, {4, 0, 4, 4}, "di ", 0, 1, 0},
        JudgeCase{"a wrong spelling is one error", 3, {2, 3, 4, 4}, "guoo ", 0, 1, 0},
        JudgeCase{"words: target 2 in slot 3", 5, {0, 1}, "dongxi ", 1, 0, 3},
        JudgeCase{"words: the other word's spelling misses", 6, {0, 0}, "nihao ", 0, 1, 0}));

TEST(PinyinDrill, F1OnAPolyphoneWalksThroughItsOwnReadingsAndSpeaksEach) {
    PinyinRun p(3, {0, 4, 4, 4});
    std::vector<std::string> lines, above;
    for (int i = 0; i < 3; ++i) {
        p.run.press(ui::vk::F1);
        lines.push_back(utf8(p.run.form().Label8.caption()));
        above.push_back(utf8(p.run.form().Label11.caption()));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"de(地)", "di(地)", "de(地)"}));
    EXPECT_EQ(above, (std::vector<std::string>{"de", "dì", "de"}));
    p.run.press(ui::vk::F2);  // 国 has one reading
    EXPECT_EQ(utf8(p.run.form().Label8.caption()), "guo(国)");
    EXPECT_EQ(utf8(p.run.form().Label12.caption()), "guó");
    EXPECT_EQ(p.spoken(),
              (std::vector<std::string>{"MyPyWAVde5", "MyPyWAVdi4", "MyPyWAVde5", "MyPyWAVguo2"}));
}

TEST(PinyinDrill, HintsStandWherePYOldTipPutsThem) {
    const struct {
        int oldTip;
        int type;
        bool label5, label8, label11, label12;
    } cases[] = {
        {1, 4, false, false, true, true},
        {0, 4, false, true, false, false},
        {1, 6, false, false, true, false},
        {0, 6, true, false, false, false},
    };
    for (const auto& c : cases) {
        PinyinRun p(c.type, {2, 1, 4, 0}, c.oldTip);
        const auto& f = p.run.form();
        const std::string where = std::to_string(c.oldTip) + "/" + std::to_string(c.type);
        EXPECT_EQ(f.Label5.visible(), c.label5) << where;
        EXPECT_EQ(f.Label8.visible(), c.label8) << where;
        EXPECT_EQ(f.Label11.visible(), c.label11) << where;
        EXPECT_EQ(f.Label12.visible(), c.label12) << where;
    }
    // The hint line is written whatever the setting.
    PinyinRun hidden(4, {2, 1, 4, 0}, 1);
    EXPECT_EQ(utf8(hidden.run.form().Label8.caption()), "zhong(中)");
    EXPECT_EQ(utf8(hidden.run.form().Label11.caption()), "zhōng");
}

TEST(PinyinDrill, FollowSpellsAndSpeaksTheNextSlotWhenTheDisplayEnds) {
    // 中 国 国 地; the hit on slot 4 redraws it as 国.
    PinyinRun p(4, {2, 4, 4, 0, 4}, 0);
    EXPECT_EQ(p.spoken(), std::vector<std::string>{"MyPyWAVzhong1"});
    typeKeys(p.run, "de ");
    EXPECT_EQ(board(p.run), "中|国|国|地");
    p.ms(500);
    EXPECT_EQ(board(p.run), "中|国|国|国");
    EXPECT_EQ(utf8(p.run.form().Label8.caption()), "zhong(中)");
    EXPECT_EQ(utf8(p.run.form().Label14.caption()), "guó");
    EXPECT_EQ(p.spoken().back(), "MyPyWAVzhong1");
}

TEST(PinyinDrill, WordsSpeakTheSecondSyllable450msAfterTheFirst) {
    PinyinRun p(6, {0, 1, 2});
    EXPECT_EQ(utf8(p.run.form().Label5.caption()), "zhongguo(中国)");
    p.ms(449);
    EXPECT_EQ(p.spoken(), std::vector<std::string>{"MyPyWAVzhong1"});
    p.ms(1);
    EXPECT_EQ(p.spoken(), (std::vector<std::string>{"MyPyWAVzhong1", "MyPyWAVguo2"}));
    typeKeys(p.run, "zhongguo ");  // target 1 redrawn as 你好
    p.ms(500);
    EXPECT_EQ(utf8(p.run.form().Label5.caption()), "dongxi(东西)");
    EXPECT_EQ(utf8(p.run.form().Label11.caption()), "nǐhǎo");
    EXPECT_EQ(p.spoken().back(), "MyPyWAVdong1");
    p.ms(450);
    EXPECT_EQ(p.spoken().back(), "MyPyWAVxi5");
    EXPECT_FALSE(p.run.form().Timer8.enabled());
    EXPECT_EQ(board(p.run), "你好|-|东西|-");
}

TEST(PinyinDrill, PracticeWordsHintOnF1AndF2Only) {
    PinyinRun p(5, {0, 1});
    p.run.press(ui::vk::F2);
    EXPECT_EQ(utf8(p.run.form().Label5.caption()), "dongxi(东西)");
    EXPECT_EQ(utf8(p.run.form().Label13.caption()), "dōngxi");
    p.run.press(ui::vk::F1);
    EXPECT_EQ(utf8(p.run.form().Label11.caption()), "zhōngguó");
    EXPECT_EQ(p.run.form().Label13.caption(), "");
    p.run.press(ui::vk::F3);
    EXPECT_EQ(utf8(p.run.form().Label5.caption()), "zhongguo(中国)");
    p.ms(450);
    EXPECT_EQ(p.spoken(),
              (std::vector<std::string>{"MyPyWAVdong1", "MyPyWAVzhong1", "MyPyWAVguo2"}));
}

// Thirty seconds of follow typing on the real tables, each spelling read off the hint.
TEST(PinyinDrill, AThirtySecondFollowSessionIsRecorded) {
    RunningProgram run;
    run.start(4);
    const auto& drill = run.program->boards().pinyinDrill();
    for (int second = 0; second < 30; ++second) {
        typeKeys(run, drill.PinyinCharTargets()[0].Spelling + " ");
        run.platform.clock().advance(1000);
    }
    ASSERT_FALSE(run.form().sessionShown());
    const records::orvScoreSet last = run.program->scores().at(run.program->scores().ScoreCount());
    EXPECT_EQ(utf8(last.TypeName), "拼单字跟");
    EXPECT_EQ(utf8(last.Total), "30字");
    EXPECT_EQ(last.CorrectRate, "100%");
}

}  // namespace
}  // namespace quorvin::testing
