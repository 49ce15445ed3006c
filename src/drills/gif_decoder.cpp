#include "drills/gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace quorvin::drills {

namespace {

// Far beyond any key-stroke animation; keeps a damaged header from asking for gigabytes
// before a single pixel has been checked.
constexpr long kMaxCanvasPixels = 4096L * 4096L;
constexpr long kMaxTotalPixels = 32L << 20;
// Pictures ask for delays this short, or none, expecting the usual tenth of a second.
constexpr int kShortestDelayMs = 20;
constexpr int kDefaultDelayMs = 100;

struct Input {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

int readInput(GifFileType* gif, GifByteType* into, int wanted) {
    auto& input = *static_cast<Input*>(gif->UserData);
    const std::size_t n =
        std::min(static_cast<std::size_t>(std::max(wanted, 0)), input.bytes.size() - input.at);
    if (n > 0) std::memcpy(into, input.bytes.data() + input.at, n);
    input.at += n;
    return static_cast<int>(n);
}

struct GifClose {
    void operator()(GifFileType* gif) const {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifClose>;

struct Rect {
    int left, top, right, bottom;  // right and bottom exclusive, clipped to the canvas
};

class Composer {
  public:
    Composer(int width, int height)
        : width_(width), canvas_(static_cast<std::size_t>(width) * height, 0) {}

    // Draws a frame's indices over the canvas and returns the canvas as shown.
    std::vector<std::uint32_t> draw(const GifImageDesc& desc, const ColorMapObject& colours,
                                    const std::vector<GifPixelType>& indices,
                                    const GraphicsControlBlock& control) {
        const Rect r = clip(desc);
        if (control.DisposalMode == DISPOSE_PREVIOUS) saved_ = canvas_;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const int index = indices[static_cast<std::size_t>(y - desc.Top) * desc.Width +
                                          static_cast<std::size_t>(x - desc.Left)];
                if (index == control.TransparentColor || index >= colours.ColorCount) continue;
                const GifColorType& c = colours.Colors[index];
                at(x, y) =
                    0xFF000000u | std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
            }
        }
        std::vector<std::uint32_t> shown = canvas_;
        if (control.DisposalMode == DISPOSE_BACKGROUND) {
            // The background shows through, as every viewer does it today.
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    at(x, y) = 0;
        } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
            canvas_ = std::move(saved_);
        }
        return shown;
    }

  private:
    Rect clip(const GifImageDesc& d) const {
        const int height = static_cast<int>(canvas_.size() / static_cast<std::size_t>(width_));
        return {std::clamp(d.Left, 0, width_), std::clamp(d.Top, 0, height),
                std::clamp(d.Left + d.Width, 0, width_), std::clamp(d.Top + d.Height, 0, height)};
    }
    std::uint32_t& at(int x, int y) {
        return canvas_[static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x)];
    }

    int width_;
    std::vector<std::uint32_t> canvas_;
    std::vector<std::uint32_t> saved_;
};

bool readIndices(GifFileType* gif, const GifImageDesc& desc, std::vector<GifPixelType>& indices) {
    indices.assign(static_cast<std::size_t>(desc.Width) * desc.Height, 0);
    const auto row = [&](int y) {
        return indices.data() + static_cast<std::size_t>(y) * desc.Width;
    };
    if (!desc.Interlace) {
        for (int y = 0; y < desc.Height; ++y)
            if (DGifGetLine(gif, row(y), desc.Width) == GIF_ERROR) return false;
        return true;
    }
    constexpr int kOffsets[] = {0, 4, 2, 1};
    constexpr int kSteps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kOffsets[pass]; y < desc.Height; y += kSteps[pass])
            if (DGifGetLine(gif, row(y), desc.Width) == GIF_ERROR) return false;
    return true;
}

// The loop count of a NETSCAPE2.0 block counts repeats after the first play; 0 is for ever.
int playsOf(int repeats) {
    return repeats == 0 ? 0 : repeats + 1;
}

// Reads one extension; a graphic control block sets control, a looping block sets plays.
bool readExtension(GifFileType* gif, GraphicsControlBlock& control, int& plays) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
    bool looping = false;
    if (block != nullptr && code == GRAPHICS_EXT_FUNC_CODE) {
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR) return false;
    } else if (block != nullptr && code == APPLICATION_EXT_FUNC_CODE) {
        looping = block[0] == 11 && std::memcmp(block + 1, "NETSCAPE2.0", 11) == 0;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
        if (looping && block != nullptr && block[0] >= 3 && block[1] == 1) {
            plays = playsOf(block[2] | block[3] << 8);
            looping = false;
        }
    }
    return true;
}

GraphicsControlBlock noControl() {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    return control;
}

}  // namespace

std::optional<ui::Picture> decodeGif(std::span<const std::uint8_t> bytes) {
    Input input{bytes};
    int error = 0;
    GifHandle gif(DGifOpen(&input, readInput, &error));
    if (!gif) return std::nullopt;
    const long canvasPixels = static_cast<long>(gif->SWidth) * gif->SHeight;
    if (gif->SWidth <= 0 || gif->SHeight <= 0 || canvasPixels > kMaxCanvasPixels)
        return std::nullopt;

    ui::Picture picture;
    picture.width = gif->SWidth;
    picture.height = gif->SHeight;
    // Without a looping block a GIF plays once.
    picture.loopCount = 1;
    Composer composer(picture.width, picture.height);
    GraphicsControlBlock control = noControl();
    std::vector<GifPixelType> indices;
    long totalPixels = 0;

    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return std::nullopt;
        if (record == TERMINATE_RECORD_TYPE) break;
        if (record == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), control, picture.loopCount)) return std::nullopt;
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE) return std::nullopt;
        if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return std::nullopt;

        const GifImageDesc desc = gif->Image;
        totalPixels += canvasPixels;
        if (desc.Width <= 0 || desc.Height <= 0 ||
            static_cast<long>(desc.Width) * desc.Height > kMaxCanvasPixels ||
            totalPixels > kMaxTotalPixels) {
            return std::nullopt;
        }
        const ColorMapObject* colours = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (colours == nullptr || !readIndices(gif.get(), desc, indices)) return std::nullopt;

        const int delayMs = control.DelayTime * 10;
        picture.frames.push_back({composer.draw(desc, *colours, indices, control),
                                  delayMs < kShortestDelayMs ? kDefaultDelayMs : delayMs});
        control = noControl();
    }
    if (picture.frames.empty()) return std::nullopt;
    return picture;
}

}  // namespace quorvin::drills
