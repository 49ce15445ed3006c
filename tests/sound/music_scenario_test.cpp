#include <gtest/gtest.h>

#include "running_program.h"

namespace quorvin::testing {
namespace {

using Mode = ui::MusicPlayer::Mode;
using Calls = std::vector<std::string>;

class MusicScenario : public ::testing::Test {
  protected:
    explicit MusicScenario(const std::string& ini = "")
        : run([&](TempProgramFolder& folder) {
              if (!ini.empty()) folder.write("Quorvin.ini", ini);
          }) {}

    RecordingAudio::Player& player() { return run.platform.recordingAudio.musicPlayer; }
    std::string playing() { return player().openFile.filename().string(); }

    RunningProgram run;
};

TEST_F(MusicScenario, IdleMusicAtStartDrillMusicInDrillsSilenceInGamesAndArticles) {
    EXPECT_EQ(playing(), "Test1.mp3");
    EXPECT_EQ(player().mode(), Mode::Playing);
    run.start(0);
    EXPECT_EQ(playing(), "Test0.mp3");
    run.escape();
    EXPECT_EQ(playing(), "Test1.mp3");
    run.start(17);
    EXPECT_EQ(player().mode(), Mode::Stopped);
    run.platform.clock().advance(5000);  // the loop leaves a silenced game alone
    EXPECT_EQ(player().mode(), Mode::Stopped);
    run.escape();
    EXPECT_EQ(playing(), "Test1.mp3");
    EXPECT_EQ(player().mode(), Mode::Playing);
    run.start(20);
    EXPECT_EQ(player().mode(), Mode::Stopped);
    run.program->lifecycle().SessionTimeOut();
    EXPECT_EQ(player().mode(), Mode::Playing);
}

TEST_F(MusicScenario, PauseAndContinueFollowTheSession) {
    run.start(10);
    run.escape(ui::ShiftDown);
    EXPECT_EQ(player().mode(), Mode::Paused);
    run.escape(ui::ShiftDown);
    EXPECT_EQ(player().mode(), Mode::Playing);
    EXPECT_EQ(playing(), "Test0.mp3");
}

TEST_F(MusicScenario, TheLoopRestartsTheIdleMusicWithinASecond) {
    player().finish();
    player().calls.clear();
    run.platform.clock().advance(1000);
    EXPECT_EQ(player().calls, (Calls{"play"}));
    EXPECT_EQ(player().mode(), Mode::Playing);
}

TEST_F(MusicScenario, CheckBox1StopsAndRestartsTheIdleMusic) {
    run.start(0);
    run.escape();
    player().calls.clear();
    run.form().CheckBox1.click();
    EXPECT_EQ(player().calls, (Calls{"pause", "stop"}));
    run.platform.clock().advance(3000);
    EXPECT_EQ(player().mode(), Mode::Stopped);
    player().calls.clear();
    run.form().CheckBox1.click();
    EXPECT_EQ(player().calls, (Calls{"open Test1.mp3", "play"}));
}

class MusicSwitchedOff : public MusicScenario {
  protected:
    MusicSwitchedOff() : MusicScenario("[Software]\nOrnvale\\Quorvin\\PlayMp3=0\n") {}
};

TEST_F(MusicSwitchedOff, NothingEverTouchesThePlayer) {
    EXPECT_TRUE(run.form().CheckBox1.checked());
    run.start(0);
    run.platform.clock().advance(5000);
    run.escape(ui::ShiftDown);
    run.escape(ui::ShiftDown);
    run.escape();
    EXPECT_TRUE(player().calls.empty());
}

TEST(MusicWithoutDevice, EverythingRunsSilently) {
    HeadlessPlatform platform;
    platform.recordingAudio.deviceExists = false;
    TempProgramFolder folder;
    folder.copyAllDataFromBuild();
    app::Program program(platform, folder.path());
    ASSERT_TRUE(program.FormCreate());
    program.form().RadioGroup1.choose(1);
    program.form().Button1.click();
    platform.clock().advance(3000);
    program.form().keyDown(ui::vk::Escape, ui::ShiftDown);
    program.form().Button1.click();
    program.form().keyDown(ui::vk::Escape, ui::NoModifier);
    program.form().CheckBox1.click();
    EXPECT_TRUE(platform.recordingAudio.musicPlayer.calls.empty());
}

TEST_F(MusicScenario, ShutdownSilencesTheEffectsBeforeReleasingTheirBytes) {
    run.form().close();
    EXPECT_EQ(run.platform.recordingAudio.waveStops, 1);
    EXPECT_TRUE(run.program->resources().sound(data::kHitSound).empty());
}

}  // namespace
}  // namespace quorvin::testing
