#pragma once

#include <cstdint>

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

inline constexpr std::uint32_t kEffectSampleRate = 44100;

// The hit sound: a short bright bell pluck, heard on every correct key, so it must not tire.
PcmSound synthesizeHitSound();

// The error sound of the article lines: a lower, duller two-tone fall, clearly not a hit.
PcmSound synthesizeErrorSound();

}  // namespace quorvin::mkdata
