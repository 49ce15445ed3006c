#pragma once

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// The level a spoken syllable is brought to: its RMS at -18 dBFS, unless that would lift its
// peak over -3 dBFS. Loud enough beside the -6 dBFS hit sound, never clipping.
inline constexpr double kSpeechRmsDb = -18.0;
inline constexpr double kSpeechPeakDb = -3.0;

// A recording made ready to play: the silence before and after the speech cut off (keeping
// 10 ms on either side), faded in and out so it starts and stops without a click, and brought
// to the level above. Throws std::runtime_error for a silent recording.
PcmSound cleanUpSpeech(const PcmSound& recording);

}  // namespace quorvin::mkdata
