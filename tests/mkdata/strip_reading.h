#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "mkdata/keyboard_strip.h"
#include "ui/picture.h"

// Reads a decoded key-stroke animation frame back by the strip's geometry and palette.
namespace quorvin::test {

inline std::uint32_t argbOf(mkdata::StripColour colour) {
    const mkdata::Rgb c = mkdata::stripPalette()[colour];
    return 0xFF000000u | std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
}

inline std::uint32_t pixelAt(const ui::Picture& picture, std::size_t frame, int x, int y) {
    return picture.frames[frame].pixels[static_cast<std::size_t>(y) * picture.width + x];
}

// The face of a key, inside its rounded corner and clear of its legend.
inline std::uint32_t keyFace(const ui::Picture& picture, std::size_t frame, char key) {
    const mkdata::PixelRect r = mkdata::keyRect(key);
    return pixelAt(picture, frame, r.left + 1, r.top + 1);
}

// The keys shown held down in a frame, a to z in order.
inline std::string litKeys(const ui::Picture& picture, std::size_t frame) {
    std::string lit;
    for (char key = 'a'; key <= 'z'; ++key) {
        if (keyFace(picture, frame, key) == argbOf(mkdata::kLitFace)) lit += key;
    }
    return lit;
}

// How many pixels of a colour the i-th letter of the code shows.
inline int codeLetterPixels(const ui::Picture& picture, std::size_t frame, std::size_t i,
                            mkdata::StripColour colour) {
    const mkdata::PixelRect r = mkdata::codeLetterRect(i);
    int count = 0;
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            count += pixelAt(picture, frame, x, y) == argbOf(colour);
    return count;
}

// The letters a decoded animation types: the held key of every frame with one, a key held
// through several frames counted once.
inline std::string typedLetters(const ui::Picture& picture) {
    std::string typed;
    std::string previous;
    for (std::size_t f = 0; f < picture.frames.size(); ++f) {
        const std::string lit = litKeys(picture, f);
        if (!lit.empty() && lit != previous) typed += lit;
        previous = lit;
    }
    return typed;
}

}  // namespace quorvin::test
