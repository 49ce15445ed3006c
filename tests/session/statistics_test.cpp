#include "session/statistics.h"

#include <gtest/gtest.h>

#include "ui/gbk.h"

namespace quorvin::session {
namespace {

TEST(Statistics, ElapsedTextHasNoLeadingZeros) {
    const std::pair<int, const char*> cases[] = {{0, "0:0:0"},   {5, "0:0:5"},    {60, "0:1:0"},
                                                 {125, "0:2:5"}, {3600, "1:0:0"}, {3661, "1:1:1"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(elapsedText(seconds), text) << seconds;
}

struct SpeedCase {
    int total;
    int seconds;
    int speed;
};

class Speed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(Speed, RoundsHalvesToEven) {
    EXPECT_EQ(speedPerMinute(GetParam().total, GetParam().seconds), GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(Cases, Speed,
                         ::testing::Values(SpeedCase{1, 120, 0},  // 0.5
                                           SpeedCase{3, 120, 2},  // 1.5
                                           SpeedCase{5, 120, 2},  // 2.5
                                           SpeedCase{7, 120, 4},  // 3.5
                                           SpeedCase{60, 60, 60}, SpeedCase{0, 1, 0},
                                           SpeedCase{10, 7, 86},  // 85.71
                                           SpeedCase{1, 3600, 0}, SpeedCase{100, 30, 200}));

struct PercentCase {
    double accuracy;
    const char* text;
};

class Percent : public ::testing::TestWithParam<PercentCase> {};

TEST_P(Percent, FollowsTheTwoDecimalPattern) {
    EXPECT_EQ(percentText(GetParam().accuracy), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Percent,
    ::testing::Values(PercentCase{100.0, "100%"}, PercentCase{98.5, "98.5%"},
                      PercentCase{200.0 / 3, "66.67%"}, PercentCase{0.5, ".5%"},
                      PercentCase{0.0, "%"}, PercentCase{12.125, "12.13%"},
                      PercentCase{3999.0 * 100 / 4000, "99.98%"},  // 99.975, not exact in binary
                      PercentCase{0.004, "%"}, PercentCase{0.005, ".01%"}, PercentCase{50.0, "50%"},
                      PercentCase{96.666666, "96.67%"}, PercentCase{9.999, "10%"},
                      PercentCase{99.995, "100%"}));

TEST(Statistics, AccuracyOfCounts) {
    EXPECT_EQ(accuracyOf(0, 0), 0.0);
    EXPECT_EQ(percentText(accuracyOf(60, 2)), "96.67%");
    EXPECT_EQ(accuracyOf(4, 1), 75.0);
    EXPECT_EQ(accuracyOf(3, 3), 0.0);
    // More errors than entries (article bytes beyond the source line) go negative, not wrong.
    EXPECT_LT(accuracyOf(2, 3), 0.0);
}

TEST(Statistics, RecordDateNamesTheWeekday) {
    ui::LocalTime t{2024, 9, 1, 8, 5, 59, 0, 0};
    EXPECT_EQ(ui::fromGbk(recordDate(t)), "2024年9月1日8时5分 星期日");
    t.dayOfWeek = 6;
    t.hour = 23;
    t.minute = 10;
    EXPECT_EQ(ui::fromGbk(recordDate(t)), "2024年9月1日23时10分 星期六");
    const char* names[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(ui::fromGbk(weekdayName(d)), names[d]);
}

}  // namespace
}  // namespace quorvin::session
