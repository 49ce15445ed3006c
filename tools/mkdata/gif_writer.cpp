#include "mkdata/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>
#include <string>

namespace quorvin::mkdata {

namespace {

int appendOutput(GifFileType* gif, const GifByteType* bytes, int length) {
    auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out.insert(out.end(), bytes, bytes + length);
    return length;
}

[[noreturn]] void giflibFailed(const char* step, int error) {
    const char* why = GifErrorString(error);
    throw std::runtime_error(std::string("GIF ") + step + ": " + (why ? why : "unknown error"));
}

// The GIF writer's handle; closing it writes the trailer, so success is checked explicitly.
class GifOutput {
  public:
    explicit GifOutput(std::vector<std::uint8_t>& out) {
        int error = 0;
        gif_ = EGifOpen(&out, appendOutput, &error);
        if (gif_ == nullptr) giflibFailed("open", error);
    }
    ~GifOutput() {
        if (gif_ != nullptr) {
            int ignored = 0;
            EGifCloseFile(gif_, &ignored);
        }
    }
    GifOutput(const GifOutput&) = delete;
    GifOutput& operator=(const GifOutput&) = delete;

    GifFileType* get() const { return gif_; }
    void check(int result, const char* step) const {
        if (result == GIF_ERROR) giflibFailed(step, gif_->Error);
    }
    void close() {
        int error = 0;
        GifFileType* gif = gif_;
        gif_ = nullptr;
        if (EGifCloseFile(gif, &error) == GIF_ERROR) giflibFailed("close", error);
    }

  private:
    GifFileType* gif_ = nullptr;
};

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The smallest power of two holding the palette, as GIF colour tables must be.
std::unique_ptr<ColorMapObject, ColourMapDeleter> colourMap(std::span<const Rgb> palette) {
    int size = 2;
    while (size < static_cast<int>(palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours[i] = {palette[i].red, palette[i].green, palette[i].blue};
    }
    std::unique_ptr<ColorMapObject, ColourMapDeleter> map(GifMakeMapObject(size, colours.data()));
    if (!map) throw std::runtime_error("GIF colour map: out of memory");
    return map;
}

void putLooping(const GifOutput& gif) {
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                               'P', 'E', '2', '.', '0'};
    // Sub-block 1, repeat count 0: for ever.
    static const GifByteType kLoop[] = {1, 0, 0};
    gif.check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE), "loop");
    gif.check(EGifPutExtensionBlock(gif.get(), sizeof kApplication, kApplication), "loop");
    gif.check(EGifPutExtensionBlock(gif.get(), sizeof kLoop, kLoop), "loop");
    gif.check(EGifPutExtensionTrailer(gif.get()), "loop");
}

void putControl(const GifOutput& gif, int delayMs, int transparent) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delayMs / 10;
    control.TransparentColor = transparent;
    GifByteType block[4];
    const std::size_t length = EGifGCBToExtension(&control, block);
    gif.check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block),
              "frame control");
}

struct Region {
    int left, top, right, bottom;  // right and bottom exclusive
};

// Where current differs from previous; an empty region for equal pictures.
Region changedRegion(const IndexedPicture& previous, const IndexedPicture& current) {
    Region r{current.width, current.height, 0, 0};
    const std::uint8_t* before = previous.pixels.data();
    const std::uint8_t* after = current.pixels.data();
    for (int y = 0; y < current.height; ++y) {
        for (int x = 0; x < current.width; ++x, ++before, ++after) {
            if (*before == *after) continue;
            r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                 std::max(r.bottom, y + 1)};
        }
    }
    return r;
}

void putImage(const GifOutput& gif, const IndexedPicture& current, const IndexedPicture* previous,
              std::uint8_t unchanged) {
    Region r{0, 0, current.width, current.height};
    if (previous != nullptr) {
        r = changedRegion(*previous, current);
        // Nothing changed: one unchanged pixel still carries the frame's delay.
        if (r.left >= r.right) r = {0, 0, 1, 1};
    }
    const int width = r.right - r.left;
    gif.check(EGifPutImageDesc(gif.get(), r.left, r.top, width, r.bottom - r.top, false, nullptr),
              "frame");
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (int y = r.top; y < r.bottom; ++y) {
        const std::size_t start = static_cast<std::size_t>(y) * current.width + r.left;
        const std::uint8_t* after = current.pixels.data() + start;
        const std::uint8_t* before = previous ? previous->pixels.data() + start : nullptr;
        GifPixelType* out = line.data();
        for (int x = 0; x < width; ++x) {
            out[x] = before != nullptr && before[x] == after[x] ? unchanged : after[x];
        }
        gif.check(EGifPutLine(gif.get(), out, width), "frame pixels");
    }
}

void checkFrames(std::span<const Rgb> palette, std::uint8_t unchanged,
                 std::span<const AnimationFrame> frames) {
    if (palette.empty() || palette.size() > 256 || unchanged >= palette.size()) {
        throw std::invalid_argument("GIF palette");
    }
    if (frames.empty()) throw std::invalid_argument("an animation needs a frame");
    const IndexedPicture& first = frames.front().picture;
    if (first.width <= 0 || first.height <= 0 || first.width > 0xFFFF || first.height > 0xFFFF) {
        throw std::invalid_argument("GIF size");
    }
    for (const AnimationFrame& frame : frames) {
        const IndexedPicture& p = frame.picture;
        if (p.width != first.width || p.height != first.height ||
            p.pixels.size() != static_cast<std::size_t>(p.width) * p.height) {
            throw std::invalid_argument("frames of different sizes");
        }
        if (frame.delayMs < 10 || frame.delayMs % 10 != 0 || frame.delayMs > 655350) {
            throw std::invalid_argument("frame delay " + std::to_string(frame.delayMs) + " ms");
        }
        // Every pixel a drawn colour of the palette.
        std::array<bool, 256> used{};
        bool* const seen = used.data();
        const std::uint8_t* const end = p.pixels.data() + p.pixels.size();
        for (const std::uint8_t* at = p.pixels.data(); at != end; ++at)
            seen[*at] = true;
        for (std::size_t index = 0; index < used.size(); ++index) {
            if (used[index] && (index == unchanged || index >= palette.size())) {
                throw std::invalid_argument("frame pixel outside the palette");
            }
        }
    }
}

}  // namespace

std::vector<std::uint8_t> encodeAnimatedGif(std::span<const Rgb> palette,
                                            std::uint8_t unchangedIndex,
                                            std::span<const AnimationFrame> frames) {
    checkFrames(palette, unchangedIndex, frames);
    std::vector<std::uint8_t> out;
    GifOutput gif(out);
    EGifSetGifVersion(gif.get(), true);
    const auto map = colourMap(palette);
    const IndexedPicture& first = frames.front().picture;
    gif.check(
        EGifPutScreenDesc(gif.get(), first.width, first.height, map->BitsPerPixel, 0, map.get()),
        "screen");
    putLooping(gif);
    const IndexedPicture* previous = nullptr;
    for (const AnimationFrame& frame : frames) {
        putControl(gif, frame.delayMs, previous == nullptr ? NO_TRANSPARENT_COLOR : unchangedIndex);
        putImage(gif, frame.picture, previous, unchangedIndex);
        previous = &frame.picture;
    }
    gif.close();
    return out;
}

}  // namespace quorvin::mkdata
