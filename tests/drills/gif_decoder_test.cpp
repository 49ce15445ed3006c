#include "drills/gif_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gif_fixture.h"

namespace quorvin::drills {
namespace {

using test::GifFrameSpec;
using test::GifSpec;
using test::opaque;
using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr std::uint32_t R = opaque(kRed), G = opaque(kGreen), B = opaque(kBlue), W = opaque(kWhite),
                        T = 0;

// A 3 x 2 canvas with the palette red, green, blue, white.
GifSpec canvas(std::vector<GifFrameSpec> frames, std::optional<int> loops = 0) {
    return {3, 2, {kRed, kGreen, kBlue, kWhite}, loops, std::move(frames)};
}

GifFrameSpec full(std::vector<std::uint8_t> indices, int disposal = 1, int delayCs = 10) {
    GifFrameSpec frame = test::frameAt(0, 0, 3, 2, std::move(indices));
    frame.disposal = disposal;
    frame.delayCs = delayCs;
    return frame;
}

GifFrameSpec patch(int left, int top, int width, int height, std::vector<std::uint8_t> indices,
                   int disposal = 1) {
    GifFrameSpec frame = test::frameAt(left, top, width, height, std::move(indices));
    frame.disposal = disposal;
    frame.delayCs = 10;
    return frame;
}

std::vector<Pixels> framesOf(const ui::Picture& picture) {
    std::vector<Pixels> out;
    for (const auto& frame : picture.frames)
        out.push_back(frame.pixels);
    return out;
}

TEST(GifDecoder, AStillPictureIsOneOpaqueFrame) {
    const auto picture = decodeGif(test::encodeGif(canvas({full({0, 1, 2, 3, 2, 1})}, {})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->loopCount, 1);
    EXPECT_EQ(framesOf(*picture), (std::vector<Pixels>{{R, G, B, W, B, G}}));
}

TEST(GifDecoder, DisposalModesDecideWhatTheNextFrameDrawsOver) {
    struct Case {
        const char* what;
        std::vector<GifFrameSpec> frames;
        std::vector<Pixels> expected;
    };
    const Case cases[] = {
        {"keep",
         {full({0, 0, 0, 0, 0, 0}), patch(1, 0, 1, 1, {1}), patch(2, 1, 1, 1, {2})},
         {{R, R, R, R, R, R}, {R, G, R, R, R, R}, {R, G, R, R, R, B}}},
        {"unspecified keeps too",
         {full({0, 0, 0, 0, 0, 0}, 0), patch(0, 1, 1, 1, {3}, 0)},
         {{R, R, R, R, R, R}, {R, R, R, W, R, R}}},
        {"background clears the frame's own rectangle",
         {full({0, 0, 0, 0, 0, 0}), patch(0, 0, 2, 1, {1, 1}, 2), patch(2, 1, 1, 1, {2})},
         {{R, R, R, R, R, R}, {G, G, R, R, R, R}, {T, T, R, R, R, B}}},
        {"previous restores what was there before the frame",
         {full({0, 0, 0, 0, 0, 0}), patch(0, 0, 3, 1, {1, 1, 1}, 3), patch(2, 1, 1, 1, {2})},
         {{R, R, R, R, R, R}, {G, G, G, R, R, R}, {R, R, R, R, R, B}}},
        {"previous on the first frame restores nothing drawn",
         {patch(0, 0, 1, 1, {3}, 3), patch(1, 0, 1, 1, {3})},
         {{W, T, T, T, T, T}, {T, W, T, T, T, T}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto picture = decodeGif(test::encodeGif(canvas(c.frames)));
        ASSERT_TRUE(picture);
        EXPECT_EQ(framesOf(*picture), c.expected);
    }
}

TEST(GifDecoder, TransparentIndicesShowWhatLiesBelow) {
    GifFrameSpec over = full({3, 3, 3, 2, 2, 2});
    over.transparent = 3;
    const auto picture = decodeGif(test::encodeGif(canvas({full({0, 1, 0, 1, 0, 1}), over})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->frames[1].pixels, (Pixels{R, G, R, B, B, B}));
}

TEST(GifDecoder, ALocalPaletteWinsOverTheGlobalOne) {
    GifFrameSpec frame = full({0, 1, 0, 1, 0, 1});
    frame.localPalette = {kBlue, kWhite};
    const auto picture = decodeGif(test::encodeGif(canvas({frame})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->frames[0].pixels, (Pixels{B, W, B, W, B, W}));
}

TEST(GifDecoder, InterlacedRowsLandInTheirPlaces) {
    constexpr int kRows = 11;
    std::vector<std::uint8_t> indices;
    Pixels expected;
    for (int y = 0; y < kRows; ++y) {
        indices.push_back(static_cast<std::uint8_t>(y % 4));
        expected.push_back(opaque(std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite}[y % 4]));
    }
    GifFrameSpec frame = test::frameAt(0, 0, 1, kRows, indices);
    frame.interlace = true;
    const auto picture =
        decodeGif(test::encodeGif({1, kRows, {kRed, kGreen, kBlue, kWhite}, {}, {frame}}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->frames[0].pixels, expected);
}

TEST(GifDecoder, DelaysAreMillisecondsWithTheUsualFloor) {
    const auto picture = decodeGif(test::encodeGif(canvas({
        full({0, 0, 0, 0, 0, 0}, 1, 35),
        full({0, 0, 0, 0, 0, 0}, 1, 2),
        full({0, 0, 0, 0, 0, 0}, 1, 1),
        full({0, 0, 0, 0, 0, 0}, 1, 0),
    })));
    ASSERT_TRUE(picture);
    std::vector<int> delays;
    for (const auto& frame : picture->frames)
        delays.push_back(frame.delayMs);
    EXPECT_EQ(delays, (std::vector<int>{350, 20, 100, 100}));
}

TEST(GifDecoder, LoopingBlockGivesThePlayCount) {
    struct Case {
        std::optional<int> loops;
        int plays;
    };
    for (const Case c : {Case{std::nullopt, 1}, Case{0, 0}, Case{1, 2}, Case{300, 301}}) {
        SCOPED_TRACE(c.plays);
        const auto picture = decodeGif(
            test::encodeGif(canvas({full({0, 0, 0, 0, 0, 0}), full({1, 1, 1, 1, 1, 1})}, c.loops)));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->loopCount, c.plays);
    }
}

TEST(GifDecoder, FramesReachingPastTheCanvasAreClipped) {
    GifFrameSpec beyond = patch(2, 1, 3, 2, {1, 2, 2, 2, 2, 2});
    const auto picture = decodeGif(test::encodeGif(canvas({full({0, 0, 0, 0, 0, 0}), beyond})));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->frames[1].pixels, (Pixels{R, R, R, R, R, G}));
}

TEST(GifDecoder, AnImageNeedsAPalette) {
    // One pixel of index 0, written by hand: the encoder refuses to leave out every palette.
    const auto onePixel = [](bool globalPalette) {
        std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
        gif.insert(gif.end(), {static_cast<std::uint8_t>(globalPalette ? 0x80 : 0x00), 0, 0});
        if (globalPalette) gif.insert(gif.end(), {0x12, 0x34, 0x56, 0, 0, 0});
        // Image at 0,0 of 1 x 1, no local palette; LZW codes clear, 0, end in three bits each.
        gif.insert(gif.end(), {',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, ';'});
        return gif;
    };
    const auto picture = decodeGif(onePixel(true));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->frames[0].pixels, (Pixels{opaque(0x123456)}));
    EXPECT_FALSE(decodeGif(onePixel(false)));
}

TEST(GifDecoder, DamagedBytesNeverCrashAndGiveWholeFramesOrNothing) {
    const auto good = test::encodeGif(canvas(
        {full({0, 1, 2, 3, 0, 1}), patch(1, 0, 2, 2, {3, 3, 3, 3}, 2), patch(0, 1, 1, 1, {2}, 3)}));
    ASSERT_TRUE(decodeGif(good));

    EXPECT_FALSE(decodeGif({}));
    const std::vector<std::uint8_t> header = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_FALSE(decodeGif(header));
    // Every truncation: the trailer is part of a complete GIF.
    for (std::size_t n = 0; n + 1 < good.size(); ++n)
        EXPECT_FALSE(decodeGif({good.data(), n})) << n;
    // Every byte flipped: anything decoded must still be whole frames of the canvas size.
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (std::uint8_t mask : {0xFF, 0x01, 0x80}) {
            auto damaged = good;
            damaged[i] ^= mask;
            const auto picture = decodeGif(damaged);
            if (!picture) continue;
            for (const auto& frame : picture->frames)
                ASSERT_EQ(frame.pixels.size(),
                          static_cast<std::size_t>(picture->width) * picture->height)
                    << i;
        }
    }
}

TEST(GifDecoder, AHugeCanvasIsRefusedBeforeAnythingIsAllocated) {
    auto bytes = test::encodeGif(canvas({full({0, 0, 0, 0, 0, 0})}));
    // The logical screen size follows the six-byte signature.
    for (std::size_t i = 6; i < 10; ++i)
        bytes[i] = 0xFF;
    EXPECT_FALSE(decodeGif(bytes));
}

}  // namespace
}  // namespace quorvin::drills
