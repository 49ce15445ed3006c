#include <gtest/gtest.h>

#include <string>

#include "app/display_mode.h"
#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

struct LayoutCase {
    int width, height;
    int targetSize, targetPoints;
    int firstTargetLeft, targetTop, hintTop, hintPoints;
    int rowStep, linePoints;
};

class FullScreenFormulas : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FullScreenFormulas, GiveTheTargetsAndLinesOfTheScreen) {
    const LayoutCase& c = GetParam();
    const app::FullScreenGeometry g = app::fullScreenGeometry(c.width, c.height);
    EXPECT_EQ(g.targetSize, c.targetSize);
    EXPECT_EQ(g.targetPoints, c.targetPoints);
    EXPECT_EQ(g.targetLefts[0], c.firstTargetLeft);
    EXPECT_EQ(g.targetTop, c.targetTop);
    EXPECT_EQ(g.hintTop, c.hintTop);
    EXPECT_EQ(g.hintPoints, c.hintPoints);
    EXPECT_EQ(g.rowStep, c.rowStep);
    EXPECT_EQ(g.linePoints, c.linePoints);
    EXPECT_EQ(g.rowHeight, 2 * c.linePoints);
}

// 1360: F = 214.5 goes to the even 214. 1366 x 768: the width bounds the line font (19 against
// 23); 1920 x 600: the height does (16 against 27). Below 836 px the hints stand at the
// targets' top.
INSTANTIATE_TEST_SUITE_P(
    Screens, FullScreenFormulas,
    ::testing::Values(LayoutCase{1920, 1080, 404, 303, 60, 338, 138, 121, 72, 27},
                      LayoutCase{1360, 768, 286, 214, 42, 241, 141, 86, 48, 19},
                      LayoutCase{1366, 768, 287, 215, 43, 240, 140, 86, 48, 19},
                      LayoutCase{1920, 600, 404, 303, 60, 98, -102, 121, 35, 16},
                      LayoutCase{800, 600, 168, 126, 25, 216, 216, 50, 35, 11}),
    [](const auto& info) {
        return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
    });

TEST(FullScreenFormulas, TheWorkedExampleOfAFullHdScreen) {
    const app::FullScreenGeometry g = app::fullScreenGeometry(1920, 1080);
    EXPECT_EQ(g.targetLefts, (std::array<int, 4>{60, 524, 988, 1452}));
    EXPECT_EQ(g.hintLefts, (std::array<int, 4>{80, 544, 1008, 1472}));
    EXPECT_EQ(g.barOffset, 479);
    EXPECT_EQ(g.sourceTops, (std::array<int, 6>{70, 214, 358, 502, 646, 790}));
    EXPECT_EQ(g.typedTops, (std::array<int, 6>{142, 286, 430, 574, 718, 862}));
}

// The desktop carries out the command the program sent, as a window manager does.
void desktopObeys(RunningProgram& run) {
    run.platform.pump();
    run.form().reportWindowState(run.form().requestedWindowState());
}

void clickFullScreenButton(RunningProgram& run) {
    run.form().Button6.click();
    desktopObeys(run);
}

TEST(DisplayMode, Button6SwitchesToFullScreenAfterTheClickAndBackToTheWindowedLayout) {
    RunningProgram run;
    auto& f = run.form();
    f.setKeyPreview(false);
    f.Button6.click();
    // Posted: nothing has moved while the click runs.
    EXPECT_EQ(ui::fromGbk(f.Button6.caption()), "窗口");
    EXPECT_EQ(f.Label1.left(), 23);
    EXPECT_TRUE(f.keyPreview());  // a letter type: the keys go through the window
    EXPECT_EQ(run.platform.foregroundRequests, 1);
    desktopObeys(run);

    EXPECT_EQ(f.borderStyle(), ui::BorderStyle::None);
    EXPECT_EQ(f.Label1.geometry().left, 60);
    EXPECT_EQ(f.Label4.geometry().left, 1452);
    EXPECT_EQ(f.Label3.top(), 338);
    EXPECT_EQ(f.Label2.font().pixelHeight, ui::pointsToPixels(303));
    EXPECT_EQ(f.Label13.left(), 1008);
    EXPECT_EQ(f.Label13.top(), 138);
    EXPECT_EQ(f.Label13.font().pixelHeight, ui::pointsToPixels(121));
    // The bottom bar, measured from the bottom and centred as a block.
    EXPECT_EQ(f.Button1.left(), 479 + 324);
    EXPECT_EQ(f.Button1.top(), 1080 - 29 - 23);
    EXPECT_EQ(f.Button6.top(), 1080 - 28 - 23);
    EXPECT_EQ(f.Edit1.top(), 1080 - 43 - 14);
    EXPECT_EQ(f.Label5.top(), 1080 - 24 - 25);
    EXPECT_EQ(f.Label16.left(), 479 + 315);
    EXPECT_EQ(f.Label6.left(), 1920 - 403);
    EXPECT_EQ(f.Label15.left(), 1847);
    EXPECT_EQ(run.program->GameStartLeft, 1847);
    EXPECT_EQ(f.RichEdit6.geometry(), (ui::Rect{0, 790, 1920, 54}));
    EXPECT_EQ(f.Edit7.geometry(), (ui::Rect{0, 862, 1920, 54}));
    EXPECT_EQ(f.Edit7.font().pixelHeight, ui::pointsToPixels(27));
    EXPECT_EQ(f.Edit2.maxLength(), 100u);
    EXPECT_EQ(run.program->LineLimit, 100);
    // The top area stays where it was designed.
    EXPECT_EQ(f.ComboBox1.top(), 47);
    EXPECT_EQ(f.RadioGroup1.geometry(), (ui::Rect{5, 4, 353, 126}));

    clickFullScreenButton(run);
    EXPECT_EQ(f.requestedWindowState(), ui::WindowState::Normal);
    EXPECT_EQ(f.borderStyle(), ui::BorderStyle::Single);
    EXPECT_EQ(ui::fromGbk(f.Button6.caption()), "全屏");
    EXPECT_EQ(run.program->LineLimit, 86);
    EXPECT_EQ(run.program->GameStartLeft, 888);
    const std::pair<const ui::Control*, ui::Rect> windowed[] = {
        {&f.Label1, {23, 199, 200, 200}}, {&f.Label4, {741, 199, 200, 200}},
        {&f.Label14, {761, 128, 32, 64}}, {&f.Button1, {324, 471, 69, 29}},
        {&f.Label6, {560, 4, 400, 59}},   {&f.Edit1, {411, 463, 214, 43}},
        {&f.RichEdit1, {0, 70, 961, 29}}, {&f.Edit7, {0, 414, 961, 29}},
    };
    for (const auto& [control, rect] : windowed)
        EXPECT_EQ(control->geometry(), rect) << control->name();
    EXPECT_EQ(f.ComboBox1.top(), 41);
    EXPECT_EQ((std::pair{f.Label16.left(), f.Label16.top()}), (std::pair{315, 472}));
    EXPECT_EQ(f.Label5.top(), 475);
    EXPECT_EQ(f.Label1.font().pixelHeight, 200);
    EXPECT_EQ(f.RichEdit1.font().pixelHeight, 21);
    EXPECT_EQ(f.Edit3.maxLength(), 100u);
}

TEST(DisplayMode, AChineseTypeTakesTheFocusToTheInputBox) {
    RunningProgram run;
    run.form().RadioGroup1.setItemIndex(13);
    run.form().Button6.click();
    EXPECT_EQ(run.form().focusedControl(), &run.form().Edit1);
}

TEST(DisplayMode, TheDesktopsMaximiseAndRestoreSwitchToo) {
    RunningProgram run;
    auto& f = run.form();
    f.reportWindowState(ui::WindowState::Maximized);
    EXPECT_EQ(run.program->LineLimit, 100);
    EXPECT_EQ(ui::fromGbk(f.Button6.caption()), "窗口");
    // Minimised from full screen: nothing is laid out until it comes back, and coming back
    // from the taskbar is a restore, whatever state the desktop brings back.
    f.reportWindowState(ui::WindowState::Minimized);
    EXPECT_EQ(run.program->LineLimit, 100);
    f.reportWindowState(ui::WindowState::Maximized);
    EXPECT_EQ(run.program->LineLimit, 86);
    EXPECT_EQ(ui::fromGbk(f.Button6.caption()), "全屏");
    EXPECT_EQ(f.requestedWindowState(), ui::WindowState::Normal);
    EXPECT_EQ(f.borderStyle(), ui::BorderStyle::Single);
}

TEST(DisplayMode, PagesLoadedInFullScreenAreCutAtTheFullScreenLimit) {
    RunningProgram run;
    run.form().reportWindowState(ui::WindowState::Maximized);
    run.chooseArticle(19, "long.txt", std::string(250, 'a') + "\r\n");
    run.form().Button1.click();
    EXPECT_EQ(run.form().RichEdit1.text().size(), 100u);
    EXPECT_EQ(run.form().RichEdit3.text().size(), 50u);
    // Restored during the practice: the typed lines take 100 bytes, later pages 86.
    EXPECT_EQ(run.form().Edit4.maxLength(), 50u);
    run.form().reportWindowState(ui::WindowState::Normal);
    EXPECT_EQ(run.program->LineLimit, 86);
    EXPECT_EQ(run.form().Edit4.maxLength(), 100u);
}

}  // namespace
}  // namespace quorvin::testing
