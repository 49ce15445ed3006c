#pragma once

#include <cstdint>
#include <span>

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// Reads a RIFF/WAVE file of 16-bit PCM, mono. Throws std::runtime_error for anything else or
// a damaged file.
PcmSound decodeWave(std::span<const std::uint8_t> file);

}  // namespace quorvin::mkdata
