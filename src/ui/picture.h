#pragma once

#include <cstdint>
#include <vector>

namespace quorvin::ui {

// A decoded picture: one frame for a still image, several with their delays for an animation.
// Pixels are 0xAARRGGBB, row by row, width * height per frame.
struct Picture {
    struct Frame {
        std::vector<std::uint32_t> pixels;
        int delayMs = 0;
    };
    int width = 0;
    int height = 0;
    std::vector<Frame> frames;
    // 0 repeats for ever.
    int loopCount = 0;
};

}  // namespace quorvin::ui
