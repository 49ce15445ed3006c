#include <gtest/gtest.h>

#include <string>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

using State = session::SessionLifecycle::State;

std::string utf8(const std::string& gbk) {
    return ui::fromGbk(gbk);
}

class LifecycleTest : public ::testing::Test {
  protected:
    State state() { return run.program->lifecycle().state(); }

    RunningProgram run;
};

struct ValidationCase {
    int type;
    int duration;
    const char* message;
};

class StartValidation : public LifecycleTest,
                        public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(StartValidation, MissingChoiceIsReportedAndNothingChanges) {
    const auto& c = GetParam();
    auto& f = run.form();
    f.RadioGroup1.setItemIndex(c.type);
    f.RadioGroup2.setItemIndex(c.duration);
    const std::string label6 = f.Label6.caption();
    f.Button1.click();
    ASSERT_EQ(run.platform.messages.size(), 1u);
    EXPECT_EQ(run.platform.messages[0].text, c.message);
    EXPECT_EQ(run.platform.messages[0].caption, "提示");
    EXPECT_EQ(run.platform.messages[0].icon, ui::MessageIcon::Information);
    EXPECT_EQ(state(), State::Idle);
    EXPECT_TRUE(f.RadioGroup1.visible());
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(f.Label6.caption(), label6);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartValidation,
                         ::testing::Values(ValidationCase{-1, 0, "请选择打字类型"},
                                           ValidationCase{-1, -1, "请选择打字类型"},
                                           ValidationCase{0, -1, "请选择测试时间"},
                                           ValidationCase{19, 0, "请先选择练习的英文文章。"},
                                           ValidationCase{21, 2, "请先选择练习的拼音文章。"},
                                           ValidationCase{22, 5, "请先选择练习的五笔文章。"}));

TEST_F(LifecycleTest, DigitArticleNeedsNoChosenArticle) {
    run.start(20);
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_EQ(state(), State::Running);
}

TEST_F(LifecycleTest, DurationComesFromRadioGroup2) {
    run.start(0, 3);
    EXPECT_EQ(run.practice().DurationSeconds, 900);
    run.escape();
    run.start(0, 0);
    EXPECT_EQ(run.practice().DurationSeconds, 30);
}

// Visibility of the widgets the lifecycle switches, in the idle, running and paused looks of a
// Wubi drill (a type that types into Edit1).
struct LookRow {
    const char* control;
    bool idle;
    bool running;
    bool paused;
};

TEST_F(LifecycleTest, WidgetLooksOfTheThreeStates) {
    const LookRow rows[] = {
        {"RadioGroup1", true, false, false}, {"RadioGroup2", true, false, false},
        {"CheckBox1", true, false, false},   {"CheckBox4", true, false, false},
        {"Label9", true, false, false},      {"Label10", true, false, false},
        {"TrackBar1", true, false, false},   {"Button1", true, false, true},
        {"Button2", false, false, false},    {"Button4", true, false, true},
        {"Button5", true, false, true},      {"Button6", true, false, true},
        {"Label7", false, true, true},       {"Edit1", true, true, true},
        {"Label1", true, true, true},        {"ComboBox1", false, false, false},
        {"RichEdit1", false, false, false},
    };
    auto& f = run.form();
    auto check = [&](auto member, const char* look) {
        for (const auto& row : rows)
            EXPECT_EQ(f.find(row.control)->visible(), row.*member) << row.control << " " << look;
    };
    check(&LookRow::idle, "idle");
    run.start(10);
    EXPECT_EQ(state(), State::Running);
    EXPECT_EQ(utf8(f.Button1.caption()), "暂停");
    EXPECT_TRUE(f.Button2.enabled());
    EXPECT_TRUE(f.Timer1.enabled());
    check(&LookRow::running, "running");
    run.escape(ui::ShiftDown);
    EXPECT_EQ(state(), State::Paused);
    EXPECT_EQ(utf8(f.Button1.caption()), "继续");
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_FALSE(f.Edit1.enabled());
    check(&LookRow::paused, "paused");
    f.Button1.click();  // Continue
    check(&LookRow::running, "running again");
    // Continue shows the article hint lines whatever the type; here they are empty.
    EXPECT_TRUE(f.Label16.visible());
    EXPECT_EQ(f.Label16.caption(), "");
    run.escape();
    check(&LookRow::idle, "idle again");
    EXPECT_EQ(utf8(f.Button1.caption()), "开始");
    EXPECT_FALSE(f.Button2.enabled());
    EXPECT_TRUE(f.Edit1.enabled());
}

TEST_F(LifecycleTest, StartShowsTheTypeAndTheKeyHint) {
    run.start(3);
    EXPECT_EQ(utf8(run.form().Label6.caption()),
              "拼单字练,练习过程按ESC键结束,按Shift+ESC键暂停继续。");
    EXPECT_EQ(run.practice().SessionType, 3);
    EXPECT_GT(run.platform.foregroundRequests, 0);
}

TEST_F(LifecycleTest, StartResetsTheCountersItNamesAndKeepsTheOthers) {
    auto& s = run.practice();
    s.ElapsedSeconds = 5;
    s.CorrectKeys = 7;
    s.CorrectCodes = 8;
    s.ErrorCount = 9;
    s.TotalCount = 10;
    s.BackspaceCount = 11;
    s.Accuracy = 50.0;
    run.start(0);
    EXPECT_EQ(s.ElapsedSeconds, 0);
    EXPECT_EQ(s.CorrectKeys, 0);
    EXPECT_EQ(s.CorrectCodes, 0);
    EXPECT_EQ(s.ErrorCount, 0);
    EXPECT_EQ(s.TotalCount, 0);
    EXPECT_EQ(s.BackspaceCount, 11);
    EXPECT_EQ(s.Accuracy, 50.0);
}

TEST_F(LifecycleTest, LetterDrillRoutesKeysThroughTheWindow) {
    auto& f = run.form();
    run.start(1);
    EXPECT_TRUE(f.keyPreview());
    EXPECT_FALSE(f.Edit1.visible());
    EXPECT_FALSE(f.Label5.visible());
    EXPECT_FALSE(f.Label8.visible());
    EXPECT_EQ(f.Label1.caption() + f.Label2.caption() + f.Label3.caption() + f.Label4.caption(),
              "abcd");
    EXPECT_EQ(run.program->boards().letterDrill().KeyTargets()[3], "d");
    EXPECT_EQ(run.practice().MusicAllowed, 1);
}

TEST_F(LifecycleTest, CodeDrillsTypeIntoEdit1) {
    run.start(12);
    EXPECT_EQ(run.form().focusedControl(), &run.form().Edit1);
    EXPECT_TRUE(run.form().Edit1.visible());
    EXPECT_TRUE(run.form().Label5.visible());
}

TEST_F(LifecycleTest, GameStartsTheFlyingCharacterWithoutMusic) {
    auto& f = run.form();
    run.practice().CorrectKeys = 3;
    run.start(18);
    EXPECT_TRUE(f.Label15.visible());
    EXPECT_EQ(f.Label15.caption(), "1");
    EXPECT_TRUE(f.Timer7.enabled());
    EXPECT_FALSE(f.Label1.visible());
    EXPECT_FALSE(f.Edit1.visible());
    EXPECT_EQ(run.practice().MusicAllowed, 0);
    run.escape();
    EXPECT_FALSE(f.Label15.visible());
    EXPECT_FALSE(f.Timer7.enabled());
    EXPECT_TRUE(f.Label1.visible());
    EXPECT_EQ(run.practice().MusicAllowed, 1);
}

TEST_F(LifecycleTest, ArticleScreenAndPasteBlocking) {
    auto& f = run.form();
    run.start(20);
    for (ui::RichLine* line : f.sourceLines())
        EXPECT_TRUE(line->visible());
    for (ui::Edit* line : f.typedLines()) {
        EXPECT_TRUE(line->visible());
        EXPECT_EQ(line->enabled(), line == &f.Edit2);
        EXPECT_TRUE(line->clipboardBlocked());
        EXPECT_EQ(line->imeMode(), ui::ImeMode::Closed);
    }
    EXPECT_EQ(f.focusedControl(), &f.Edit2);
    EXPECT_TRUE(f.Label17.visible());
    EXPECT_FALSE(f.Label16.visible());
    EXPECT_TRUE(f.applyImeModes());
    run.escape();
    for (ui::Edit* line : f.typedLines()) {
        EXPECT_FALSE(line->visible());
        EXPECT_FALSE(line->clipboardBlocked());
    }
    EXPECT_FALSE(f.ComboBox1.visible());
}

TEST_F(LifecycleTest, ChineseArticlesLeaveTheInputMethodToTheLearnerUntilAnotherTypeStarts) {
    auto& f = run.form();
    run.chooseArticle(21, "样例.txt");
    run.start(21);
    EXPECT_FALSE(f.applyImeModes());
    EXPECT_TRUE(f.Label16.visible());
    EXPECT_TRUE(f.Label8.visible());
    run.escape();
    EXPECT_FALSE(f.applyImeModes());
    // The article stays chosen and the list returns.
    EXPECT_TRUE(f.ComboBox1.visible());
    EXPECT_EQ(f.ComboBox1.itemIndex(), 0);
    run.start(0);
    EXPECT_TRUE(f.applyImeModes());
}

TEST_F(LifecycleTest, WubiArticleHidesTheReadingLine) {
    run.chooseArticle(22, "样例.txt");
    run.start(22);
    EXPECT_FALSE(run.form().Label8.visible());
    EXPECT_TRUE(run.form().Label16.visible());
}

TEST_F(LifecycleTest, ArticleListFollowsTheChosenType) {
    auto& f = run.form();
    const std::pair<int, bool> cases[] = {{19, true}, {20, false}, {21, true},
                                          {22, true}, {0, false},  {18, false}};
    for (const auto& [type, shown] : cases) {
        f.RadioGroup1.choose(type);
        EXPECT_EQ(f.ComboBox1.visible(), shown) << type;
        EXPECT_EQ(f.ComboBox1.enabled(), shown) << type;
    }
}

TEST_F(LifecycleTest, ContinueRestoresTheKeyRouteOfTheType) {
    auto& f = run.form();
    struct Case {
        int type;
        bool keyPreview;
        bool edit1Focused;
    };
    for (const Case c : {Case{2, true, false}, Case{10, false, true}, Case{18, false, false}}) {
        run.start(c.type);
        f.setFocus(nullptr);
        run.escape(ui::ShiftDown);
        run.escape(ui::ShiftDown);
        EXPECT_EQ(state(), State::Running) << c.type;
        EXPECT_EQ(f.keyPreview(), c.keyPreview) << c.type;
        EXPECT_EQ(f.focusedControl() == &f.Edit1, c.edit1Focused) << c.type;
        run.escape();
    }
}

TEST_F(LifecycleTest, PauseLosesThePartialSecondOfTheClock) {
    auto& clock = run.platform.clock();
    run.start(0);
    clock.advance(600);
    run.escape(ui::ShiftDown);
    EXPECT_EQ(clock.dueAt(run.form().Timer1), -1);
    clock.advance(5000);
    run.escape(ui::ShiftDown);
    EXPECT_EQ(clock.dueAt(run.form().Timer1), clock.now() + 1000);
}

TEST_F(LifecycleTest, PausedLooksLeaveDoneMarksUntilTheDrillWritesAgain) {
    auto& f = run.form();
    run.start(0);
    run.escape(ui::ShiftDown);
    EXPECT_EQ(utf8(f.Label1.caption()), "完");
    EXPECT_EQ(f.Label11.caption(), "");
    run.escape(ui::ShiftDown);
    EXPECT_EQ(utf8(f.Label4.caption()), "完");
    EXPECT_EQ(utf8(f.Label6.caption()), "英文(大),练习过程按ESC键结束,按Shift+ESC键暂停继续。");
}

TEST_F(LifecycleTest, TimeOutRestoresIdleButKeepsElapsedTimeAndTitles) {
    auto& f = run.form();
    run.start(20);
    run.practice().ElapsedSeconds = 30;
    f.Label17.setCaption("title");
    f.Label5.setCaption("hint");
    const int before = run.platform.foregroundRequests;
    run.program->lifecycle().SessionTimeOut();
    EXPECT_EQ(state(), State::Idle);
    EXPECT_TRUE(f.RadioGroup1.visible());
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_FALSE(f.Label17.visible());
    EXPECT_EQ(f.Label17.caption(), "title");
    EXPECT_EQ(f.Label5.caption(), "");
    EXPECT_EQ(run.practice().ElapsedSeconds, 30);
    EXPECT_EQ(run.platform.foregroundRequests, before);
    EXPECT_FALSE(f.Edit2.clipboardBlocked());
}

}  // namespace
}  // namespace quorvin::testing
