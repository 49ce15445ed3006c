#pragma once

#include <span>

#include "mkdata/wave_file.h"

namespace quorvin::mkdata {

// The last step of every piece: fades both ends to silence, because the player restarts the
// file and an abrupt edge would click at every loop, and scales the loudest sample to a fixed
// level a few dB below full scale, which leaves room for the MP3 coder's overshoot.
PcmSound masterMusic(std::span<double> mix, double fadeInSeconds, double fadeOutSeconds);

}  // namespace quorvin::mkdata
