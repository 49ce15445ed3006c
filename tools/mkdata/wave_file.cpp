#include "mkdata/wave_file.h"

#include <string_view>

namespace quorvin::mkdata {

namespace {

class LittleEndianWriter {
  public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void tag(std::string_view fourCc) { out_.insert(out_.end(), fourCc.begin(), fourCc.end()); }
    void u16(std::uint16_t value) {
        out_.push_back(static_cast<std::uint8_t>(value));
        out_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }

  private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> encodeWave(const PcmSound& sound) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBitsPerSample = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
    constexpr std::uint32_t kFmtChunkBytes = 16;
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * kBlockAlign);

    std::vector<std::uint8_t> file;
    file.reserve(44 + dataBytes);
    LittleEndianWriter out(file);
    out.tag("RIFF");
    out.u32(4 + (8 + kFmtChunkBytes) + (8 + dataBytes));
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(kFmtChunkBytes);
    out.u16(1);  // PCM
    out.u16(kChannels);
    out.u32(sound.sampleRate);
    out.u32(sound.sampleRate * kBlockAlign);
    out.u16(kBlockAlign);
    out.u16(kBitsPerSample);
    out.tag("data");
    out.u32(dataBytes);
    for (const std::int16_t sample : sound.samples) {
        out.u16(static_cast<std::uint16_t>(sample));
    }
    return file;
}

}  // namespace quorvin::mkdata
