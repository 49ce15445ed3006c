#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// GIFs for tests, written with giflib's encoder independently of the program's decoder.
namespace quorvin::test {

struct GifFrameSpec {
    int left = 0, top = 0, width = 0, height = 0;
    // Colour indices, row by row.
    std::vector<std::uint8_t> indices;
    // 0xRRGGBB colours; empty uses the global palette.
    std::vector<std::uint32_t> localPalette;
    bool interlace = false;
    // Graphic control block; none is written without it.
    bool control = true;
    int delayCs = 0;
    int disposal = 0;
    int transparent = -1;
};

struct GifSpec {
    int width = 0, height = 0;
    std::vector<std::uint32_t> palette;
    // NETSCAPE2.0 loop count; none without it.
    std::optional<int> loops;
    std::vector<GifFrameSpec> frames;
};

// A frame at (left, top) with a control block and otherwise defaults.
inline GifFrameSpec frameAt(int left, int top, int width, int height,
                            std::vector<std::uint8_t> indices) {
    GifFrameSpec frame;
    frame.left = left;
    frame.top = top;
    frame.width = width;
    frame.height = height;
    frame.indices = std::move(indices);
    return frame;
}

std::vector<std::uint8_t> encodeGif(const GifSpec& spec);

// 0xAARRGGBB of an opaque 0xRRGGBB colour.
constexpr std::uint32_t opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

}  // namespace quorvin::test
