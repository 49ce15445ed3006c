#pragma once

#include <cstdint>
#include <vector>

namespace quorvin::mkdata {

// Mono 16-bit PCM, the only sound format the containers hold.
struct PcmSound {
    std::uint32_t sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// A complete RIFF/WAVE file (PCM, mono, 16 bits), playable straight from memory.
std::vector<std::uint8_t> encodeWave(const PcmSound& sound);

}  // namespace quorvin::mkdata
