// The hints of Pinyin and Wubi articles in a running trainer: they follow the cursor, F1
// steps through the readings, and the worker lives exactly as long as its session.

#include <gtest/gtest.h>

#include <string>

#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

std::string utf8(const std::string& gbk) {
    return ui::fromGbk(gbk);
}

// A key release that adds nothing, so the line is judged and the text ahead handed over.
void release(RunningProgram& run) {
    run.press(ui::vk::Shift);
}

bool hintsShown(RunningProgram& run) {
    auto& board = run.program->boards().articleBoard();
    return run.platform.pumpUntil(
        [&] { return board.HintWorkerState() == drills::HintWorkerState::Idle; });
}

TEST(ArticleHints, PinyinHintsFollowTheCursorAndF1StepsThroughTheReadings) {
    RunningProgram run;
    run.chooseArticle(21, "行.txt", ui::toGbk("行走春天") + "\r\n");
    run.start(21);
    auto& f = run.form();
    release(run);
    ASSERT_TRUE(hintsShown(run));
    EXPECT_EQ(utf8(f.Label8.caption()), "xíng(行)");
    for (const char* reading : {"háng(行)", "héng(行)", "xíng(行)"}) {
        run.press(ui::vk::F1);
        EXPECT_EQ(utf8(f.Label8.caption()), reading);
    }
    f.commitText(ui::toGbk("行走"));
    ASSERT_TRUE(hintsShown(run));
    EXPECT_EQ(utf8(f.Label8.caption()), "chūn(春)");
    EXPECT_EQ(utf8(f.Label16.caption()), "chūntiān(春天)");
    run.press(ui::vk::F1);  // one reading only: nothing to step to
    EXPECT_EQ(utf8(f.Label8.caption()), "chūn(春)");
}

TEST(ArticleHints, WubiHintsShowTheCodesAndTheKeyStrokeAnimation) {
    RunningProgram run;
    run.chooseArticle(22, "春.txt", ui::toGbk("春天") + "\r\n");
    run.start(22);
    auto& f = run.form();
    release(run);
    ASSERT_TRUE(hintsShown(run));
    EXPECT_EQ(utf8(f.Label5.caption()), "DW");
    EXPECT_EQ(utf8(f.Label16.caption()), "DWGD(春天)");
    EXPECT_NE(f.Image1.picture(), nullptr);
}

TEST(ArticleHints, NoWorkerOutlivesItsSession) {
    RunningProgram run;
    run.chooseArticle(21, "行.txt", ui::toGbk("行走") + "\r\n");
    auto& board = run.program->boards().articleBoard();
    run.start(21);
    ASSERT_NE(board.PinyinWorker(), nullptr);
    release(run);  // a job that the window never shows before End
    run.escape();
    EXPECT_EQ(board.PinyinWorker(), nullptr);
    EXPECT_EQ(board.HintWorkerState(), drills::HintWorkerState::None);
    run.platform.pump();  // the late call of the ended worker shows nothing
    EXPECT_EQ(run.form().Label8.caption(), "");
}

TEST(ArticleHints, AWorkerThatCannotBeMadeIsReportedAndStartStopsBeforeItsLastStep) {
    RunningProgram run;
    run.chooseArticle(22, "春.txt", ui::toGbk("春天") + "\r\n");
    run.platform.threadFailure = "no threads left";
    run.start(22);
    ASSERT_EQ(run.platform.messages.size(), 1u);
    const auto& message = run.platform.messages[0];
    EXPECT_EQ(message.text.rfind("创建线程发生错误:\rno threads left", 0), 0u) << message.text;
    EXPECT_EQ(message.caption, "错误");
    EXPECT_EQ(message.icon, ui::MessageIcon::None);
    auto& f = run.form();
    EXPECT_EQ(utf8(f.Button1.caption()), "开始");
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(run.program->boards().articleBoard().HintWorkerState(),
              drills::HintWorkerState::None);
    release(run);  // typed without hints
    run.escape();
    EXPECT_TRUE(f.RadioGroup1.visible());
}

}  // namespace
}  // namespace quorvin::testing
