#include <gtest/gtest.h>

#include <filesystem>

#include "app/program.h"
#include "headless_platform.h"
#include "program_folder.h"
#include "running_program.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

namespace fs = std::filesystem;

TEST(Startup, AFullProgramFolderStartsWithTheDesignedState) {
    RunningProgram run;
    auto& f = run.form();
    EXPECT_TRUE(run.platform.messages.empty());
    EXPECT_FALSE(run.platform.terminateRequested);
    EXPECT_EQ(ui::fromGbk(f.caption()), "Quorvin     2024年9月1日版----abc");
    EXPECT_EQ(run.program->BaseCaption, model::TForm1::designedCaption());
    EXPECT_EQ(run.program->LineLimit, 86);
    EXPECT_EQ(run.program->GameStartLeft, 888);
    EXPECT_EQ(run.practice().MusicAllowed, 1);
    EXPECT_EQ(f.imeMode(), ui::ImeMode::Closed);
    EXPECT_FALSE(run.program->resources().sound(data::kHitSound).empty());
}

class MissingLibrary : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingLibrary, StartupEndsWithAMessageAndWritesNothing) {
    HeadlessPlatform platform;
    TempProgramFolder folder;
    folder.copyAllDataFromBuild();
    fs::remove(folder / GetParam());
    const auto before = snapshot(folder.path());

    app::Program program(platform, folder.path());
    EXPECT_FALSE(program.FormCreate());

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "打开声音文件失败！");
    EXPECT_EQ(platform.messages[0].caption, "失败");
    EXPECT_EQ(platform.messages[0].icon, ui::MessageIcon::None);
    EXPECT_TRUE(platform.terminateRequested);
    // The caption step after the libraries did not run.
    EXPECT_EQ(program.form().caption(), model::TForm1::designedCaption());
    EXPECT_EQ(snapshot(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(EachLibrary, MissingLibrary,
                         ::testing::Values("WavRes.dll", "wbrc1.dll", "wbrc2.dll"));

TEST(Startup, ALibraryThatIsNoContainerFailsLikeAMissingOne) {
    HeadlessPlatform platform;
    TempProgramFolder folder;
    folder.copyAllDataFromBuild();
    folder.write("wbrc1.dll", "MZ this is not a resource container");
    app::Program program(platform, folder.path());
    EXPECT_FALSE(program.FormCreate());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "打开声音文件失败！");
}

TEST(Shutdown, ClosingThroughTheLeaveMenuRunsTheShutdownOnce) {
    RunningProgram run;
    auto& f = run.form();
    int closes = 0;
    auto shutdown = f.onClose;
    f.onClose = [&] {
        ++closes;
        shutdown();
    };
    f.Button4.click();
    ASSERT_EQ(run.platform.menus.size(), 1u);
    EXPECT_EQ(run.platform.menus[0].name, "PopupMenu2");
    EXPECT_TRUE(f.PopupMenu2.choose("N9"));
    f.close();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(f.visible());
    // The sounds are released; the animation libraries stay loaded until the process ends.
    EXPECT_TRUE(run.program->resources().sound(data::kHitSound).empty());
    EXPECT_TRUE(run.program->resources().Wbrc1Module.has_value());
    EXPECT_TRUE(run.program->resources().Wbrc2Module.has_value());
}

TEST(Shutdown, HelpButtonOpensItsMenuAtTheMouse) {
    RunningProgram run;
    run.platform.cursor = {321, 456};
    run.form().Button5.click();
    ASSERT_EQ(run.platform.menus.size(), 1u);
    EXPECT_EQ(run.platform.menus[0].name, "PopupMenu1");
    EXPECT_EQ(run.platform.menus[0].at.x, 321);
    EXPECT_EQ(run.platform.menus[0].at.y, 456);
}

}  // namespace
}  // namespace quorvin::testing
