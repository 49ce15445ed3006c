#pragma once

#include <QAudioDevice>
#include <QByteArray>
#include <memory>

#include "ui/audio.h"

class QAudioOutput;
class QAudioSink;
class QBuffer;
class QMediaPlayer;

namespace quorvin::ui::qt {

// Sound through Qt Multimedia: a QMediaPlayer for the music files and a QAudioSink for WAVE
// images in memory. Nothing is set up while no call needs it, and without an output device
// nothing is set up at all: every call then returns at once.
class QtAudio final : public ui::Audio {
  public:
    QtAudio();
    ~QtAudio() override;
    QtAudio(const QtAudio&) = delete;
    QtAudio& operator=(const QtAudio&) = delete;

    bool hasOutputDevice() const override { return !device_.isNull(); }
    ui::MusicPlayer& player() override;
    void playWave(std::span<const std::uint8_t> wave) override;
    void stopWave() override;

  private:
    QAudioDevice device_;
    std::unique_ptr<ui::MusicPlayer> player_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray samples_;
};

}  // namespace quorvin::ui::qt
