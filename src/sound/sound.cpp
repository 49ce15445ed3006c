#include "sound/sound.h"

namespace quorvin::sound {

using Mode = ui::MusicPlayer::Mode;

Sound::Sound(ui::Audio& audio, const data::MediaResources& resources,
             const model::Settings& settings, const model::PracticeSession& session,
             std::filesystem::path programFolder)
    : audio_(audio),
      resources_(resources),
      settings_(settings),
      session_(session),
      programFolder_(std::move(programFolder)) {}

bool Sound::musicMayPlay() const {
    return settings_.PlayMp3 == 1 && session_.MusicAllowed == 1 && audio_.hasOutputDevice();
}

void Sound::PlayMusic(const std::string& name) {
    if (!audio_.hasOutputDevice()) return;
    ui::MusicPlayer& player = audio_.player();
    if (!musicMayPlay()) {
        if (player.mode() == Mode::Playing) {
            player.pause();
            player.stop();
        }
        return;
    }
    if (player.mode() == Mode::Playing) player.stop();
    player.open(programFolder_ / name);
    player.play();
}

void Sound::Timer2Timer() {
    if (musicMayPlay() && audio_.player().mode() == Mode::Stopped) audio_.player().play();
}

void Sound::PauseMusic() {
    if (musicMayPlay() && audio_.player().mode() == Mode::Playing) audio_.player().pause();
}

void Sound::ResumeMusic() {
    if (musicMayPlay() && audio_.player().mode() == Mode::Paused) audio_.player().resume();
}

void Sound::playResource(std::string_view name) {
    const auto wave = resources_.sound(name);
    if (!wave.empty()) audio_.playWave(wave);
}

void Sound::PlayHitSound() {
    if (settings_.PlayWav == 1) playResource(data::kHitSound);
}

void Sound::PlayErrorSound() {
    if (settings_.PlayWav == 1) playResource(data::kErrorSound);
}

void Sound::SpeakSyllable(const std::string& name) {
    if (settings_.PlayPYWav == 1) playResource(name);
}

}  // namespace quorvin::sound
