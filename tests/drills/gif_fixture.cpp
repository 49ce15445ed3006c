#include "gif_fixture.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>

namespace quorvin::test {

namespace {

int append(GifFileType* gif, const GifByteType* bytes, int n) {
    auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out.insert(out.end(), bytes, bytes + n);
    return n;
}

struct MapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapFree>;

ColourMap makeMap(const std::vector<std::uint32_t>& rgb) {
    if (rgb.empty()) return nullptr;
    int size = 2;
    while (size < static_cast<int>(rgb.size()))
        size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        colours[i] = {static_cast<GifByteType>(rgb[i] >> 16), static_cast<GifByteType>(rgb[i] >> 8),
                      static_cast<GifByteType>(rgb[i])};
    }
    return ColourMap(GifMakeMapObject(size, colours.data()));
}

void check(int result, const char* what) {
    if (result == GIF_ERROR) throw std::runtime_error(what);
}

void putFrame(GifFileType* gif, const GifFrameSpec& frame) {
    if (frame.control) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = frame.disposal;
        gcb.DelayTime = frame.delayCs;
        gcb.TransparentColor = frame.transparent;
        GifByteType block[4];
        const std::size_t length = EGifGCBToExtension(&gcb, block);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block),
              "EGifPutExtension");
    }
    const ColourMap local = makeMap(frame.localPalette);
    check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlace,
                           local.get()),
          "EGifPutImageDesc");
    std::vector<int> rows;
    if (frame.interlace) {
        for (auto [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = first; y < frame.height; y += step)
                rows.push_back(y);
    } else {
        for (int y = 0; y < frame.height; ++y)
            rows.push_back(y);
    }
    for (int y : rows) {
        std::vector<GifPixelType> line(frame.indices.begin() + y * frame.width,
                                       frame.indices.begin() + (y + 1) * frame.width);
        check(EGifPutLine(gif, line.data(), frame.width), "EGifPutLine");
    }
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const GifSpec& spec) {
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, append, &error);
    if (gif == nullptr) throw std::runtime_error("EGifOpen");
    EGifSetGifVersion(gif, true);
    try {
        const ColourMap global = makeMap(spec.palette);
        check(EGifPutScreenDesc(gif, spec.width, spec.height, 8, 0, global.get()),
              "EGifPutScreenDesc");
        if (spec.loops) {
            const GifByteType repeat[] = {1, static_cast<GifByteType>(*spec.loops & 0xFF),
                                          static_cast<GifByteType>(*spec.loops >> 8)};
            check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "leader");
            check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), "block");
            check(EGifPutExtensionBlock(gif, 3, repeat), "block");
            check(EGifPutExtensionTrailer(gif), "trailer");
        }
        for (const GifFrameSpec& frame : spec.frames)
            putFrame(gif, frame);
    } catch (...) {
        EGifCloseFile(gif, &error);
        throw;
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR) throw std::runtime_error("EGifCloseFile");
    return out;
}

}  // namespace quorvin::test
