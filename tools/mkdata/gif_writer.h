#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "mkdata/keyboard_strip.h"

namespace quorvin::mkdata {

struct AnimationFrame {
    IndexedPicture picture;
    int delayMs = 0;  // a multiple of 10: GIF counts hundredths of a second
};

// An animated GIF, looping for ever, written by giflib into memory. All frames share the
// palette (at most 256 colours) and the size of the first. After the first frame only the
// rectangle that changed is stored, its unchanged pixels as the transparent entry
// `unchangedIndex`, which no frame may use. Throws std::invalid_argument for frames that do not
// fit these rules and std::runtime_error when giflib fails.
std::vector<std::uint8_t> encodeAnimatedGif(std::span<const Rgb> palette,
                                            std::uint8_t unchangedIndex,
                                            std::span<const AnimationFrame> frames);

}  // namespace quorvin::mkdata
