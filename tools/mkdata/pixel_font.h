#pragma once

#include <array>
#include <cstdint>

namespace quorvin::mkdata {

// Capital letters A-Z in a 5 x 7 pixel font, for pictures too small for any outline font.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;

// One row a byte, the leftmost pixel in bit 4. Throws std::invalid_argument for anything but
// a letter (either case).
std::array<std::uint8_t, kGlyphHeight> glyphOf(char letter);

}  // namespace quorvin::mkdata
