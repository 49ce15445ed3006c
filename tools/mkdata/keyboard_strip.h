#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvin::mkdata {

// The picture of a key-stroke animation: the three letter rows of a keyboard in miniature,
// the Wubi code in large letters beside them. It fills the program's picture box (225 x 41).
inline constexpr int kStripWidth = 225;
inline constexpr int kStripHeight = 41;

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The key cap of a letter, a to z, shadow line included. Throws std::invalid_argument for
// any other character.
PixelRect keyRect(char letter);
// Where the i-th letter of a code (0 to 3) is written.
PixelRect codeLetterRect(std::size_t i);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The palette; every picture uses these eight entries and no others.
enum StripColour : std::uint8_t {
    kBody,          // the keyboard's case, and the legends
    kKeyFace,       // a key at rest; also the letters of the code already typed
    kKeyShadow,     // its lower edge; also the letters of the code still to type
    kLitFace,       // the key being pressed; also the letter of the code being typed
    kLitShadow,     // its lower edge
    kDimFace,       // Z, which no Wubi code uses
    kLegendDim,     // the legend of Z
    kUnusedColour,  // never drawn: the GIF writer's "unchanged" marker
    kStripColours
};
const std::array<Rgb, kStripColours>& stripPalette();

// One picture as palette indices, row by row.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    friend bool operator==(const IndexedPicture&, const IndexedPicture&) = default;
};

// The strip while a code (one to four letters a-y) is typed: the first `typed` letters are
// done; when keyDown, the key of the next letter is held down and that letter highlighted.
// Throws std::invalid_argument for a code it cannot show.
IndexedPicture drawKeyboardStrip(std::string_view code, std::size_t typed, bool keyDown);

}  // namespace quorvin::mkdata
