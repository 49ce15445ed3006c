#pragma once

#include <cstdint>

namespace quorvin::ui {

// Colours keep the platform's 0x00BBGGRR order. Values with the top byte 0xFF name a system
// colour by its index; the toolkit resolves them from its palette.
using Colour = std::uint32_t;

inline constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

inline constexpr bool isSystemColour(Colour c) {
    return (c & 0xFF000000u) == 0xFF000000u;
}

namespace colours {
inline constexpr Colour Black = rgb(0, 0, 0);
inline constexpr Colour Teal = rgb(0, 128, 128);
inline constexpr Colour Purple = rgb(128, 0, 128);
inline constexpr Colour WindowText = 0xFF000008;
inline constexpr Colour Highlight = 0xFF00000D;
inline constexpr Colour ButtonFace = 0xFF00000F;
inline constexpr Colour HotLight = 0xFF00001A;
inline constexpr Colour Window = 0xFF000005;
// What a label or control shows when nothing else was set.
inline constexpr Colour Default = WindowText;
}  // namespace colours

}  // namespace quorvin::ui
