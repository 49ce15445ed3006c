#include "mkdata/keystroke_animation.h"

#include "mkdata/gif_writer.h"
#include "mkdata/keyboard_strip.h"

namespace quorvin::mkdata {

std::vector<std::uint8_t> drawKeystrokeAnimation(std::string_view code) {
    std::vector<AnimationFrame> frames;
    for (std::size_t i = 0; i < code.size(); ++i) {
        // A key typed twice in a row ("rqyy") is let go in between, or it would look held.
        const bool repeated = i + 1 < code.size() && code[i + 1] == code[i];
        frames.push_back(
            {drawKeyboardStrip(code, i, true), kKeyDownMs - (repeated ? kRepeatGapMs : 0)});
        if (repeated) frames.push_back({drawKeyboardStrip(code, i, false), kRepeatGapMs});
    }
    frames.push_back({drawKeyboardStrip(code, code.size(), false), kTypedPauseMs});
    return encodeAnimatedGif(stripPalette(), kUnusedColour, frames);
}

}  // namespace quorvin::mkdata
