#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvin::mkdata {

// The rhythm of a key-stroke animation: the keys of the code held down one after another, a
// key typed twice in a row let go in between, then a pause with the whole code typed before it
// starts again. The first frame already shows the first key, so the hint is seen at once.
inline constexpr int kKeyDownMs = 400;
inline constexpr int kRepeatGapMs = 100;
inline constexpr int kTypedPauseMs = 1200;

// The key-stroke animation of a Wubi code (one to four letters a-y) as a looping GIF: one frame
// a letter, one between two equal letters, and the pause. Throws std::invalid_argument for any
// other code.
std::vector<std::uint8_t> drawKeystrokeAnimation(std::string_view code);

}  // namespace quorvin::mkdata
