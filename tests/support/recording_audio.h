#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ui/audio.h"

namespace quorvin::testing {

// An audio device that plays nothing and remembers everything: the player's calls and mode,
// and each wave started.
class RecordingAudio : public ui::Audio {
  public:
    class Player : public ui::MusicPlayer {
      public:
        void open(const std::filesystem::path& file) override {
            calls.push_back("open " + file.filename().string());
            openFile = file;
            mode_ = std::ifstream(file).good() ? Mode::Stopped : Mode::NotReady;
        }
        void play() override {
            calls.push_back("play");
            if (mode_ != Mode::NotReady) mode_ = Mode::Playing;
        }
        void stop() override {
            calls.push_back("stop");
            if (mode_ != Mode::NotReady) mode_ = Mode::Stopped;
        }
        void pause() override {
            calls.push_back("pause");
            if (mode_ == Mode::Playing) mode_ = Mode::Paused;
        }
        void resume() override {
            calls.push_back("resume");
            if (mode_ == Mode::Paused) mode_ = Mode::Playing;
        }
        Mode mode() const override { return mode_; }
        // The piece played to its end.
        void finish() {
            if (mode_ == Mode::Playing) mode_ = Mode::Stopped;
        }

        std::vector<std::string> calls;
        std::filesystem::path openFile;

      private:
        Mode mode_ = Mode::NotReady;
    };

    bool hasOutputDevice() const override { return deviceExists; }
    ui::MusicPlayer& player() override { return musicPlayer; }
    void playWave(std::span<const std::uint8_t> wave) override {
        waves.emplace_back(wave.begin(), wave.end());
    }

    void stopWave() override { ++waveStops; }

    bool deviceExists = true;
    int waveStops = 0;
    Player musicPlayer;
    std::vector<std::vector<std::uint8_t>> waves;
};

}  // namespace quorvin::testing
