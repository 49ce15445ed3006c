#include "sound/sound.h"

#include <gtest/gtest.h>

#include "program_folder.h"
#include "recording_audio.h"

namespace quorvin::testing {
namespace {

using Mode = ui::MusicPlayer::Mode;
using Calls = std::vector<std::string>;

class SoundTest : public ::testing::Test {
  protected:
    SoundTest() {
        folder.copyAllDataFromBuild();
        folder.write("Test0.mp3", "drill music");
        folder.write("Test1.mp3", "idle music");
        EXPECT_TRUE(resources.load(folder.path()));
    }

    Calls& calls() { return audio.musicPlayer.calls; }

    TempProgramFolder folder;
    data::MediaResources resources;
    model::Settings settings;
    model::PracticeSession session;
    RecordingAudio audio;
    sound::Sound sound{audio, resources, settings, session, folder.path()};
};

TEST_F(SoundTest, MusicStartsFromTheBeginningOfTheNamedFile) {
    sound.PlayMusic("Test1.mp3");
    EXPECT_EQ(calls(), (Calls{"open Test1.mp3", "play"}));
    EXPECT_EQ(audio.musicPlayer.openFile, folder / "Test1.mp3");
    sound.PlayMusic("Test0.mp3");
    EXPECT_EQ(calls(), (Calls{"open Test1.mp3", "play", "stop", "open Test0.mp3", "play"}));
    EXPECT_EQ(audio.musicPlayer.mode(), Mode::Playing);
}

TEST_F(SoundTest, MusicSwitchedOffOrNotAllowedOnlyStopsWhatPlays) {
    sound.PlayMusic("Test1.mp3");
    calls().clear();
    session.MusicAllowed = 0;
    sound.PlayMusic("");
    EXPECT_EQ(calls(), (Calls{"pause", "stop"}));
    EXPECT_EQ(audio.musicPlayer.mode(), Mode::Stopped);
    calls().clear();
    session.MusicAllowed = 1;
    settings.PlayMp3 = 0;
    sound.PlayMusic("Test0.mp3");
    sound.Timer2Timer();
    EXPECT_TRUE(calls().empty());
}

TEST_F(SoundTest, WithoutAnOutputDeviceTheMusicIsNeverTouched) {
    audio.deviceExists = false;
    sound.PlayMusic("Test1.mp3");
    sound.Timer2Timer();
    sound.PauseMusic();
    sound.ResumeMusic();
    EXPECT_TRUE(calls().empty());
}

TEST_F(SoundTest, TheLoopRestartsAFinishedPieceOnly) {
    sound.PlayMusic("Test1.mp3");
    calls().clear();
    sound.Timer2Timer();
    EXPECT_TRUE(calls().empty());
    audio.musicPlayer.finish();
    sound.Timer2Timer();
    EXPECT_EQ(calls(), (Calls{"play"}));
    sound.PauseMusic();
    calls().clear();
    sound.Timer2Timer();  // a paused piece is not restarted
    EXPECT_TRUE(calls().empty());
}

TEST_F(SoundTest, AMissingMusicFileStaysSilentAndIsNotRetried) {
    sound.PlayMusic("Missing.mp3");
    EXPECT_EQ(audio.musicPlayer.mode(), Mode::NotReady);
    calls().clear();
    sound.Timer2Timer();
    EXPECT_TRUE(calls().empty());
}

TEST_F(SoundTest, PauseAndResumeFollowTheSwitches) {
    sound.PlayMusic("Test0.mp3");
    sound.PauseMusic();
    EXPECT_EQ(audio.musicPlayer.mode(), Mode::Paused);
    settings.PlayMp3 = 0;
    sound.ResumeMusic();
    EXPECT_EQ(audio.musicPlayer.mode(), Mode::Paused);
    settings.PlayMp3 = 1;
    sound.ResumeMusic();
    EXPECT_EQ(audio.musicPlayer.mode(), Mode::Playing);
}

TEST_F(SoundTest, EffectsPlayTheirResourcesUnderTheirSwitches) {
    const auto hit = resources.sound(data::kHitSound);
    const auto error = resources.sound(data::kErrorSound);
    sound.PlayHitSound();
    sound.PlayErrorSound();
    ASSERT_EQ(audio.waves.size(), 2u);
    EXPECT_TRUE(std::equal(hit.begin(), hit.end(), audio.waves[0].begin(), audio.waves[0].end()));
    EXPECT_TRUE(
        std::equal(error.begin(), error.end(), audio.waves[1].begin(), audio.waves[1].end()));
    settings.PlayWav = 0;
    sound.PlayHitSound();
    sound.PlayErrorSound();
    EXPECT_EQ(audio.waves.size(), 2u);
    // Pronunciations have their own switch.
    sound.SpeakSyllable(std::string(data::kHitSound));
    EXPECT_EQ(audio.waves.size(), 3u);
    settings.PlayPYWav = 0;
    sound.SpeakSyllable(std::string(data::kHitSound));
    EXPECT_EQ(audio.waves.size(), 3u);
}

TEST_F(SoundTest, AMissingSoundIsSilent) {
    sound.SpeakSyllable("MyPyWAVzzz9");
    resources.unloadWavRes();
    sound.PlayHitSound();
    EXPECT_TRUE(audio.waves.empty());
}

}  // namespace
}  // namespace quorvin::testing
