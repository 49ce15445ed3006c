#pragma once

#include <cstdint>

#include "mkdata/music_track.h"

namespace quorvin::mkdata {

// A soft, low kick: a sine that falls in pitch, with no click on the attack.
void addKick(Track& track, double startSeconds, double gain);

// A shaker: a brief burst of high-passed noise. The seed makes every hit a little different
// and every build the same.
void addShaker(Track& track, double startSeconds, double gain, std::uint32_t seed);

}  // namespace quorvin::mkdata
