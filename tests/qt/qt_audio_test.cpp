#include "ui/qt/qt_audio.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <vector>

#include "data/media_resources.h"

namespace quorvin::ui::qt {
namespace {

// Sound must never hold up a key handler: every call returns at once, with or without an
// output device (the test machines have none).
TEST(QtAudio, EveryCallReturnsAtOnce) {
    data::MediaResources resources;
    ASSERT_TRUE(resources.load(QUORVIN_PROGRAM_DIR));
    const auto hit = resources.sound(data::kHitSound);
    ASSERT_FALSE(hit.empty());
    const std::vector<std::uint8_t> garbage = {'R', 'I', 'F', 'F', 1, 2, 3};

    QElapsedTimer clock;
    clock.start();
    QtAudio audio;
    MusicPlayer& player = audio.player();
    player.open(std::filesystem::path(QUORVIN_PROGRAM_DIR) / "Test1.mp3");
    player.play();
    player.pause();
    player.resume();
    player.stop();
    for (int i = 0; i < 20; ++i)
        audio.playWave(hit);
    audio.playWave(garbage);
    audio.playWave({});
    audio.stopWave();
    EXPECT_LT(clock.elapsed(), 500) << "sound calls blocked the caller";
    if (!audio.hasOutputDevice()) {
        EXPECT_EQ(player.mode(), MusicPlayer::Mode::NotReady);
    }
}

TEST(QtAudio, AMissingMusicFileLeavesThePlayerNotReady) {
    QtAudio audio;
    audio.player().open("/nonexistent/Test1.mp3");
    audio.player().play();
    EXPECT_EQ(audio.player().mode(), MusicPlayer::Mode::NotReady);
}

}  // namespace
}  // namespace quorvin::ui::qt
