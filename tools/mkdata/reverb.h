#pragma once

#include <span>
#include <vector>

namespace quorvin::mkdata {

// A small room: the wet signal only, as long as the input (the tail past the end is dropped;
// the music fades out before it matters).
std::vector<double> reverberate(std::span<const double> dry);

// Adds the room to a mix, its level set relative to the loudness of what was sent into it so
// that the balance does not depend on how loud the parts were written.
void addReverb(std::span<double> mix, std::span<const double> send, double wetToSend);

}  // namespace quorvin::mkdata
