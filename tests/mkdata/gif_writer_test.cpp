#include "mkdata/gif_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

#include "drills/gif_decoder.h"

namespace quorvin::mkdata {
namespace {

constexpr std::array<Rgb, 5> kPalette = {{
    {0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 255}, {1, 2, 3},  // the unchanged marker
}};
constexpr std::uint8_t kUnchanged = 4;

std::uint32_t argb(std::uint8_t index) {
    const Rgb c = kPalette[index];
    return 0xFF000000u | std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
}

IndexedPicture picture(int width, int height, std::uint8_t fill) {
    return {width, height,
            std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, fill)};
}

void set(IndexedPicture& p, int x, int y, std::uint8_t index) {
    p.pixels[static_cast<std::size_t>(y) * p.width + x] = index;
}

TEST(GifWriter, FramesDecodeToExactlyThePicturesWithTheirDelays) {
    std::vector<AnimationFrame> frames;
    IndexedPicture p = picture(7, 5, 0);
    set(p, 0, 0, 1);
    frames.push_back({p, 250});
    set(p, 3, 2, 2);  // one pixel in the middle
    frames.push_back({p, 100});
    frames.push_back({p, 40});  // nothing changes
    set(p, 6, 4, 3);            // the far corner, and the first pixel back to black
    set(p, 0, 0, 0);
    frames.push_back({p, 1200});
    // A change back to an earlier colour where the marker would otherwise stand.
    set(p, 3, 2, 0);
    frames.push_back({p, 10 * 65535});

    const auto gif = encodeAnimatedGif(kPalette, kUnchanged, frames);
    const auto decoded = drills::decodeGif(gif);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->width, 7);
    EXPECT_EQ(decoded->height, 5);
    EXPECT_EQ(decoded->loopCount, 0);
    ASSERT_EQ(decoded->frames.size(), frames.size());
    for (std::size_t f = 0; f < frames.size(); ++f) {
        SCOPED_TRACE(f);
        EXPECT_EQ(decoded->frames[f].delayMs, frames[f].delayMs);
        std::vector<std::uint32_t> expected;
        for (const std::uint8_t index : frames[f].picture.pixels)
            expected.push_back(argb(index));
        EXPECT_EQ(decoded->frames[f].pixels, expected);
    }
}

TEST(GifWriter, LaterFramesStoreOnlyWhatChanged) {
    const IndexedPicture still = picture(200, 40, 1);
    IndexedPicture dotted = still;
    set(dotted, 100, 20, 2);
    const std::vector<AnimationFrame> one = {{still, 100}};
    const std::vector<AnimationFrame> two = {{still, 100}, {dotted, 100}};
    const auto single = encodeAnimatedGif(kPalette, kUnchanged, one);
    const auto twice = encodeAnimatedGif(kPalette, kUnchanged, two);
    // A graphic control block, an image descriptor and a few bytes of pixels.
    EXPECT_LT(twice.size() - single.size(), 40u);
}

TEST(GifWriter, RefusesFramesItCannotWrite) {
    const IndexedPicture small = picture(4, 4, 0);
    IndexedPicture marked = small;
    set(marked, 1, 1, kUnchanged);
    IndexedPicture outside = small;
    set(outside, 1, 1, 9);
    IndexedPicture cut = small;
    cut.pixels.pop_back();
    const std::vector<std::vector<AnimationFrame>> bad = {
        {},
        {{small, 0}},
        {{small, 105}},
        {{small, 100}, {picture(5, 4, 0), 100}},
        {{marked, 100}},
        {{outside, 100}},
        {{cut, 100}},
        {{picture(0, 0, 0), 100}},
    };
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_THROW(encodeAnimatedGif(kPalette, kUnchanged, bad[i]), std::invalid_argument) << i;
    }
    const std::vector<AnimationFrame> good = {{small, 100}};
    EXPECT_THROW(encodeAnimatedGif(kPalette, 5, good), std::invalid_argument);
    EXPECT_THROW(encodeAnimatedGif({}, 0, good), std::invalid_argument);
}

}  // namespace
}  // namespace quorvin::mkdata
