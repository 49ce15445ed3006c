#include "ui/qt/qt_audio.h"

#include <QAudioFormat>
#include <QAudioOutput>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <cstring>
#include <optional>

namespace quorvin::ui::qt {

namespace {

std::uint32_t readLittleEndian(const std::uint8_t* p, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

struct PcmImage {
    QAudioFormat format;
    const std::uint8_t* samples = nullptr;
    std::size_t size = 0;
};

// The format and sample data of a PCM WAVE file, or nothing for anything else.
std::optional<PcmImage> parseWave(std::span<const std::uint8_t> wave) {
    if (wave.size() < 12 || std::memcmp(wave.data(), "RIFF", 4) != 0 ||
        std::memcmp(wave.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    PcmImage image;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= wave.size()) {
        const std::uint8_t* chunk = wave.data() + pos;
        const std::size_t size = readLittleEndian(chunk + 4, 4);
        const std::size_t body = pos + 8;
        if (size > wave.size() - body) return std::nullopt;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            const auto tag = readLittleEndian(chunk + 8, 2);
            const auto channels = static_cast<int>(readLittleEndian(chunk + 10, 2));
            const auto rate = static_cast<int>(readLittleEndian(chunk + 12, 4));
            const auto bits = readLittleEndian(chunk + 22, 2);
            if (tag != 1 || channels < 1 || rate <= 0 || (bits != 8 && bits != 16))
                return std::nullopt;
            image.format.setChannelCount(channels);
            image.format.setSampleRate(rate);
            image.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0 && haveFormat) {
            image.samples = wave.data() + body;
            image.size = size;
            return image;
        }
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

class MediaPlayer final : public ui::MusicPlayer {
  public:
    explicit MediaPlayer(const QAudioDevice& device) : output_(device) {
        player_.setAudioOutput(&output_);
    }

    void open(const std::filesystem::path& file) override {
        const QString path = QString::fromStdString(file.string());
        ready_ = QFileInfo(path).isFile();
        player_.setSource(ready_ ? QUrl::fromLocalFile(path) : QUrl());
    }
    void play() override {
        if (!ready_) return;
        player_.setPosition(0);
        player_.play();
    }
    void stop() override { player_.stop(); }
    void pause() override { player_.pause(); }
    void resume() override { player_.play(); }
    Mode mode() const override {
        if (!ready_ || player_.mediaStatus() == QMediaPlayer::InvalidMedia) return Mode::NotReady;
        switch (player_.playbackState()) {
            case QMediaPlayer::PlayingState:
                return Mode::Playing;
            case QMediaPlayer::PausedState:
                return Mode::Paused;
            case QMediaPlayer::StoppedState:
                break;
        }
        return Mode::Stopped;
    }

  private:
    QAudioOutput output_;
    QMediaPlayer player_;
    bool ready_ = false;
};

// Stands in for the player on a machine without sound output; nothing ever plays there.
class SilentPlayer final : public ui::MusicPlayer {
  public:
    void open(const std::filesystem::path&) override {}
    void play() override {}
    void stop() override {}
    void pause() override {}
    void resume() override {}
    Mode mode() const override { return Mode::NotReady; }
};

}  // namespace

QtAudio::QtAudio() : device_(QMediaDevices::defaultAudioOutput()) {}

QtAudio::~QtAudio() {
    stopWave();
}

ui::MusicPlayer& QtAudio::player() {
    if (!player_) {
        if (hasOutputDevice())
            player_ = std::make_unique<MediaPlayer>(device_);
        else
            player_ = std::make_unique<SilentPlayer>();
    }
    return *player_;
}

void QtAudio::stopWave() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
}

void QtAudio::playWave(std::span<const std::uint8_t> wave) {
    if (!hasOutputDevice()) return;
    const auto image = parseWave(wave);
    if (!image || !device_.isFormatSupported(image->format)) return;
    stopWave();
    // The bytes belong to the loaded resource library and outlive the sound.
    samples_ = QByteArray::fromRawData(reinterpret_cast<const char*>(image->samples),
                                       static_cast<qsizetype>(image->size));
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device_, image->format);
    sink_->start(buffer_.get());
}

}  // namespace quorvin::ui::qt
