#include <gtest/gtest.h>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

std::string utf8(const std::string& gbk) {
    return ui::fromGbk(gbk);
}

class ClockTest : public ::testing::Test {
  protected:
    ClockTest() {
        run.program->lifecycle().recordScore = [this](records::orvScoreSet r) {
            recorded.push_back(std::move(r));
        };
    }
    void type(char ch) {
        const int key = ch >= 'a' && ch <= 'z' ? ch - 32 : ch;
        run.press(key, ui::NoModifier, std::string(1, ch).c_str());
    }
    void seconds(int n) { run.platform.clock().advance(n * 1000); }
    std::string stats() { return utf8(run.form().Label7.caption()); }
    std::string summary() { return utf8(run.form().Label6.caption()); }

    RunningProgram run;
    std::vector<records::orvScoreSet> recorded;
};

TEST_F(ClockTest, LetterDrillStatisticsAfterAMinute) {
    // Draws of 0: slot 1 goes A -> B (A itself was typed) -> A -> B ...
    run.start(0, 2);
    for (int i = 0; i < 58; ++i)
        type(i % 2 == 0 ? 'a' : 'b');
    type('x');
    type('y');
    seconds(60);
    EXPECT_EQ(stats(), "总数:60 正确率:96.67% 错误:2 速度:60字/分 用时:0:1:0");
}

TEST_F(ClockTest, NoKeyShowsTheBarePercentSign) {
    run.start(0);
    seconds(1);
    EXPECT_EQ(stats(), "总数:0 正确率:% 错误:0 速度:0字/分 用时:0:0:1");
    EXPECT_TRUE(run.form().Label7.visible());
}

TEST_F(ClockTest, ATimeOutShowsTheLastTickAndIsRecorded) {
    run.platform.now = {2024, 9, 1, 8, 5, 0, 0, 0};  // a Sunday
    run.start(1, 0);
    type('a');
    seconds(29);
    EXPECT_TRUE(recorded.empty());
    seconds(1);
    EXPECT_EQ(run.program->lifecycle().state(), session::SessionLifecycle::State::Idle);
    EXPECT_EQ(summary(), "英文(小)练习,总数:1 正确率:100% 错误:0 速度:2字/分 用时:0:0:30");
    ASSERT_EQ(recorded.size(), 1u);
    const auto& r = recorded[0];
    EXPECT_EQ(utf8(r.User), "abc");
    EXPECT_EQ(utf8(r.TypeName), "英文(小)");
    EXPECT_EQ(r.Duration, "0:0:30");
    EXPECT_EQ(utf8(r.Total), "1字");
    EXPECT_EQ(r.CorrectRate, "100%");
    EXPECT_EQ(r.Errors, "0");
    EXPECT_EQ(utf8(r.Speed), "2字/分");
    EXPECT_EQ(utf8(r.Date), "2024年9月1日8时5分 星期日");
    EXPECT_EQ(r.Article, "");
    // A time-out keeps the elapsed time until the next Start.
    EXPECT_EQ(run.practice().ElapsedSeconds, 30);
}

TEST_F(ClockTest, AnHourLongSessionEndsAtOneHour) {
    run.start(17, 5);
    seconds(3600);
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].Duration, "1:0:0");
}

TEST_F(ClockTest, EscRecordsOnlyFromTheFirstMinuteOn) {
    const std::pair<int, std::size_t> cases[] = {{45, 0}, {59, 0}, {60, 1}, {61, 1}};
    for (const auto& [elapsed, records] : cases) {
        recorded.clear();
        run.start(2, 3);
        seconds(elapsed);
        run.escape();
        EXPECT_EQ(recorded.size(), records) << elapsed;
        EXPECT_EQ(run.practice().ElapsedSeconds, 0);
    }
}

TEST_F(ClockTest, EscWhilePausedRecordsTheTimeBeforeThePause) {
    run.start(0, 3);
    seconds(61);
    run.escape(ui::ShiftDown);
    seconds(100);
    run.escape();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].Duration, "0:1:1");
}

TEST_F(ClockTest, SummariesOfDigitAndRadicalDrillsHaveNoPracticeWord) {
    for (const auto& [type, prefix] :
         {std::pair{2, "数字练习总数:"}, std::pair{12, "字根练习总数:"},
          std::pair{10, "五笔单跟练习,总数:"}}) {
        run.start(type);
        seconds(1);
        run.escape();
        EXPECT_EQ(summary().rfind(prefix, 0), 0u) << summary();
    }
}

TEST_F(ClockTest, SummaryBeforeTheFirstTickKeepsThePreviousStatistics) {
    run.start(0);
    seconds(3);
    run.escape();
    const std::string previous = stats();
    run.start(1);
    run.escape();
    EXPECT_EQ(summary(), "英文(小)练习," + previous);
}

TEST_F(ClockTest, ArticleStatisticsCountBytesAndBackspaces) {
    auto& s = run.practice();
    run.start(20, 2);
    s.TypedTotal = 90;
    s.LineTyped = 10;
    s.ErrorTotal = 3;
    s.LineErrors = 1;
    s.BackspaceCount = 4;
    seconds(60);
    EXPECT_EQ(stats(), "总数:100 正确率:96% 错误:4 回退:4 速度:100字/分 用时:0:1:0");
}

TEST_F(ClockTest, ChineseArticlesCountCharactersNotBytes) {
    run.chooseArticle(21, "静夜思.txt");
    auto& s = run.practice();
    run.start(21, 1);
    s.TypedTotal = 7;
    s.ErrorTotal = 3;
    seconds(60);
    EXPECT_EQ(stats().substr(0, stats().find(" 回退")), "总数:3 正确率:66.67% 错误:1");
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(utf8(recorded[0].Article), "静夜思");
}

TEST_F(ClockTest, ALongArticleTitleIsCutWholeCharactersAt100Bytes) {
    std::string title;
    for (int i = 0; i < 60; ++i)
        title += "长";
    run.chooseArticle(19, "x" + title + ".txt");
    run.start(19, 1);
    seconds(60);
    ASSERT_EQ(recorded.size(), 1u);
    // "x" and 49 two-byte characters: the 50th would need byte 101.
    EXPECT_EQ(recorded[0].Article.size(), 99u);
    EXPECT_EQ(utf8(recorded[0].Article).substr(0, 1), "x");
}

TEST_F(ClockTest, PauseStopsTheClockAndContinueStartsAFreshSecond) {
    run.start(0, 2);
    run.platform.clock().advance(2500);
    run.escape(ui::ShiftDown);
    seconds(10);
    EXPECT_EQ(run.practice().ElapsedSeconds, 2);
    run.escape(ui::ShiftDown);
    run.platform.clock().advance(999);
    EXPECT_EQ(run.practice().ElapsedSeconds, 2);
    run.platform.clock().advance(1);
    EXPECT_EQ(run.practice().ElapsedSeconds, 3);
}

}  // namespace
}  // namespace quorvin::testing

namespace quorvin::testing {
namespace {

// Whole sessions from Start to the result in the score table, one per family of keys.
TEST(SessionToScoreTable, LetterDrillTimeOut) {
    RunningProgram run;
    const int before = run.program->scores().ScoreCount();
    run.start(0);
    run.press('A', ui::NoModifier, "a");
    run.press('Q', ui::NoModifier, "q");
    run.platform.clock().advance(30'000);
    ASSERT_EQ(run.program->scores().ScoreCount(), before + 1);
    const auto record = run.program->scores().at(before + 1);
    EXPECT_EQ(ui::fromGbk(record.TypeName), "英文(大)");
    EXPECT_EQ(ui::fromGbk(record.Total), "2字");
    EXPECT_EQ(record.CorrectRate, "50%");
    EXPECT_EQ(record.Errors, "1");
    EXPECT_EQ(record.Duration, "0:0:30");
}

TEST(SessionToScoreTable, GameEndedWithEscAfterAMinute) {
    RunningProgram run;
    const int before = run.program->scores().ScoreCount();
    run.start(18, 2);
    run.press('1', ui::NoModifier, "1");
    run.platform.clock().advance(61'000);
    run.escape();
    ASSERT_EQ(run.program->scores().ScoreCount(), before + 1);
    const auto record = run.program->scores().at(before + 1);
    EXPECT_EQ(ui::fromGbk(record.TypeName), "数字游戏");
    EXPECT_EQ(record.Duration, "0:1:1");
    EXPECT_EQ(ui::fromGbk(record.Speed), "1字/分");
}

}  // namespace
}  // namespace quorvin::testing
