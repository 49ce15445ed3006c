#include "mkdata/wave_reader.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvin::mkdata {

namespace {

std::uint32_t littleEndian(std::span<const std::uint8_t> bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool tagAt(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return bytes.size() >= at + tag.size() &&
           std::string_view(reinterpret_cast<const char*>(bytes.data() + at), tag.size()) == tag;
}

[[noreturn]] void damaged(const char* why) {
    throw std::runtime_error(std::string("WAVE file: ") + why);
}

}  // namespace

PcmSound decodeWave(std::span<const std::uint8_t> file) {
    if (!tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE")) damaged("no RIFF/WAVE header");
    PcmSound sound;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at <= file.size() && file.size() - at >= 8) {
        const std::size_t size = littleEndian(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) damaged("a chunk runs past the end");
        if (tagAt(file, at, "fmt ")) {
            if (size < 16) damaged("format chunk too small");
            const auto format = littleEndian(file, body, 2);
            const auto channels = littleEndian(file, body + 2, 2);
            const auto bits = littleEndian(file, body + 14, 2);
            if (format != 1 || channels != 1 || bits != 16) damaged("not 16-bit PCM mono");
            sound.sampleRate = littleEndian(file, body + 4, 4);
            if (sound.sampleRate == 0) damaged("no sample rate");
            haveFormat = true;
        } else if (tagAt(file, at, "data")) {
            if (!haveFormat) damaged("samples before the format");
            if (size % 2 != 0) damaged("half a sample");
            sound.samples.resize(size / 2);
            const std::uint8_t* in = file.data() + body;
            for (std::int16_t& sample : sound.samples) {
                sample = static_cast<std::int16_t>(in[0] | in[1] << 8);
                in += 2;
            }
            return sound;
        }
        at = body + size + (size & 1);
    }
    damaged("no samples");
}

}  // namespace quorvin::mkdata
