#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace quorvin::ui {

// The background-music player: one file at a time, stopped, playing or paused.
class MusicPlayer {
  public:
    enum class Mode { NotReady, Stopped, Playing, Paused };

    virtual ~MusicPlayer() = default;
    // Opens a file, closing the one open before; a file that cannot be opened leaves the
    // player not ready, and play() then does nothing.
    virtual void open(const std::filesystem::path& file) = 0;
    // Plays the open file from its start.
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual Mode mode() const = 0;
};

// Sound output: the music player, and short WAVE images played from memory.
class Audio {
  public:
    virtual ~Audio() = default;
    // Whether the machine has a sound output device at all.
    virtual bool hasOutputDevice() const = 0;
    virtual MusicPlayer& player() = 0;
    // Starts a complete WAVE file image without waiting; it cuts off the sound still playing.
    // The bytes stay valid while they play (they belong to a loaded resource library).
    virtual void playWave(std::span<const std::uint8_t> wave) = 0;
    // Silences the wave still playing, before its bytes go away.
    virtual void stopWave() = 0;
};

}  // namespace quorvin::ui
