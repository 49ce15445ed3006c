#include <gtest/gtest.h>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

using State = session::SessionLifecycle::State;

struct EscapeCase {
    ui::ShiftState shift;
    State after;
};

class EscapeModifiers : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeModifiers, OnlyShiftAlonePauses) {
    RunningProgram run;
    run.start(0);
    run.escape(GetParam().shift);
    EXPECT_EQ(run.program->lifecycle().state(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, EscapeModifiers,
                         ::testing::Values(EscapeCase{ui::NoModifier, State::Idle},
                                           EscapeCase{ui::ShiftDown, State::Paused},
                                           EscapeCase{ui::CtrlDown, State::Idle},
                                           EscapeCase{ui::ShiftDown | ui::CtrlDown, State::Idle},
                                           EscapeCase{ui::ShiftDown | ui::AltDown, State::Idle},
                                           EscapeCase{ui::AltDown, State::Idle}));

TEST(LifecycleKeys, EscapeWhileIdleChangesNothing) {
    RunningProgram run;
    auto& f = run.form();
    for (ui::ShiftState shift : {ui::NoModifier, ui::ShiftDown}) {
        run.escape(shift);
        EXPECT_EQ(ui::fromGbk(f.Label1.caption()), "打");
        EXPECT_EQ(ui::fromGbk(f.Button1.caption()), "开始");
        EXPECT_TRUE(f.RadioGroup1.visible());
        EXPECT_FALSE(f.Timer1.enabled());
    }
}

TEST(LifecycleKeys, EscapeWhilePausedEnds) {
    RunningProgram run;
    run.start(0);
    run.escape(ui::ShiftDown);
    run.escape();
    EXPECT_EQ(run.program->lifecycle().state(), State::Idle);
    EXPECT_TRUE(run.form().RadioGroup1.visible());
}

TEST(LifecycleKeys, EscapeReachesTheSessionThroughEdit1WithoutKeyPreview) {
    RunningProgram run;
    auto& f = run.form();
    run.start(10);
    run.escape();
    // Ending turned key preview off; the next drill hears Esc through Edit1's own handler.
    run.start(10);
    ASSERT_FALSE(f.keyPreview());
    ASSERT_EQ(f.keyTarget(), &f.Edit1);
    run.escape(ui::ShiftDown);
    EXPECT_EQ(run.program->lifecycle().state(), State::Paused);
    // Edit1 is disabled while paused; the window itself hears the key then.
    run.escape(ui::ShiftDown);
    EXPECT_EQ(run.program->lifecycle().state(), State::Running);
    run.escape();
    EXPECT_EQ(run.program->lifecycle().state(), State::Idle);
    EXPECT_EQ(f.Edit1.text(), "");
}

TEST(LifecycleKeys, EscapeInATypedLineHidesTheHintLineAndEnds) {
    RunningProgram run;
    auto& f = run.form();
    run.chooseArticle(21, "a.txt");
    run.start(21);
    f.setKeyPreview(false);
    ASSERT_EQ(f.keyTarget(), &f.Edit2);
    ASSERT_TRUE(f.Label16.visible());
    run.escape(ui::ShiftDown);
    EXPECT_FALSE(f.Label16.visible());
    EXPECT_EQ(run.program->lifecycle().state(), State::Paused);
    run.escape(ui::ShiftDown);
    EXPECT_TRUE(f.Label16.visible());
    run.escape();
    EXPECT_FALSE(f.Label16.visible());
    EXPECT_EQ(run.program->lifecycle().state(), State::Idle);
}

TEST(LifecycleKeys, TheEscapeCharacterIsNotTypedIntoTheDrillBox) {
    RunningProgram run;
    run.start(10);
    run.escape(ui::ShiftDown);
    run.escape(ui::ShiftDown);
    run.press('A', ui::NoModifier, "a");
    EXPECT_EQ(run.form().Edit1.text(), "a");
}

TEST(LifecycleKeys, TabMovesTheFocusToTheTypeChoiceOnlyWhileIdle) {
    RunningProgram run;
    auto& f = run.form();
    run.press(ui::vk::Tab, ui::NoModifier, "\t");
    EXPECT_EQ(f.focusedControl(), &f.RadioGroup1);
    run.start(10);
    run.press(ui::vk::Tab, ui::NoModifier, "\t");
    EXPECT_EQ(f.focusedControl(), &f.Edit1);
}

TEST(LifecycleKeys, EndButtonIsHiddenYetEndsWhenCalledDirectly) {
    RunningProgram run;
    auto& f = run.form();
    run.start(0);
    EXPECT_FALSE(f.Button2.visible());
    f.Button2.click();  // a hidden button cannot be clicked
    EXPECT_EQ(run.program->lifecycle().state(), State::Running);
    f.Button2.onClick();
    EXPECT_EQ(run.program->lifecycle().state(), State::Idle);
}

}  // namespace
}  // namespace quorvin::testing
