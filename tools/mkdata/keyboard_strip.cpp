#include "mkdata/keyboard_strip.h"

#include <stdexcept>
#include <string>

#include "mkdata/pixel_font.h"

namespace quorvin::mkdata {

namespace {

// A key is 15 x 12 pixels (the last row its shadow) on a 16 x 13 grid; the rows are staggered
// as on a real keyboard, so the home row sits where the fingers expect it.
constexpr int kKeyWidth = 15;
constexpr int kKeyHeight = 12;
constexpr int kKeyPitchX = 16;
constexpr int kKeyPitchY = 13;
constexpr int kLeft = 3;
constexpr int kTop = 2;
constexpr std::string_view kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
constexpr int kRowIndent[] = {0, 4, 12};

// The code: letters drawn twice the font's size, four places right of the keys.
constexpr int kCodeScale = 2;
constexpr int kCodeLetterWidth = kGlyphWidth * kCodeScale;
constexpr int kCodeLetterHeight = kGlyphHeight * kCodeScale;
constexpr int kCodeGap = 3;
constexpr std::size_t kMaxCodeLetters = 4;
constexpr int kCodeAreaLeft = kLeft + 10 * kKeyPitchX + 4;
constexpr int kCodeWidth = 4 * kCodeLetterWidth + 3 * kCodeGap;
constexpr int kCodeLeft = kCodeAreaLeft + (kStripWidth - kCodeAreaLeft - kCodeWidth) / 2;
constexpr int kCodeTop = (kStripHeight - kCodeLetterHeight) / 2;

static_assert(kTop + 2 * kKeyPitchY + kKeyHeight <= kStripHeight);
static_assert(kCodeLeft + kCodeWidth <= kStripWidth);

bool isWubiKey(char c) {
    return c >= 'a' && c <= 'y';
}

class Painter {
  public:
    explicit Painter(IndexedPicture& picture) : picture_(picture) {}

    void fill(const PixelRect& r, std::uint8_t colour) {
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x)
                at(x, y) = colour;
    }

    void letter(char c, int left, int top, int scale, std::uint8_t colour) {
        const auto rows = glyphOf(c);
        for (int gy = 0; gy < kGlyphHeight; ++gy)
            for (int gx = 0; gx < kGlyphWidth; ++gx)
                if (rows[gy] & (1u << (kGlyphWidth - 1 - gx)))
                    fill({left + gx * scale, top + gy * scale, scale, scale}, colour);
    }

  private:
    std::uint8_t& at(int x, int y) {
        return picture_
            .pixels[static_cast<std::size_t>(y) * picture_.width + static_cast<std::size_t>(x)];
    }

    IndexedPicture& picture_;
};

void drawKey(Painter& paint, char key, bool lit) {
    const PixelRect r = keyRect(key);
    const bool usable = isWubiKey(key);
    const std::uint8_t face = lit ? kLitFace : usable ? kKeyFace : kDimFace;
    const std::uint8_t shadow = lit ? kLitShadow : usable ? kKeyShadow : kBody;
    paint.fill({r.left, r.top, r.width, r.height - 1}, face);
    paint.fill({r.left, r.top + r.height - 1, r.width, 1}, shadow);
    // Rounded corners: the case shows through the four corner pixels.
    for (const auto& [x, y] : {std::pair{r.left, r.top}, std::pair{r.left + r.width - 1, r.top},
                               std::pair{r.left, r.top + r.height - 1},
                               std::pair{r.left + r.width - 1, r.top + r.height - 1}}) {
        paint.fill({x, y, 1, 1}, kBody);
    }
    const int legendLeft = r.left + (r.width - kGlyphWidth) / 2;
    const int legendTop = r.top + (r.height - 1 - kGlyphHeight) / 2;
    paint.letter(key, legendLeft, legendTop, 1, usable ? kBody : kLegendDim);
}

// The keys at rest on the case, drawn once: every frame starts from it.
const IndexedPicture& restingKeyboard() {
    static const IndexedPicture kKeyboard = [] {
        IndexedPicture picture{kStripWidth, kStripHeight,
                               std::vector<std::uint8_t>(kStripWidth * kStripHeight, kBody)};
        Painter paint(picture);
        for (const std::string_view row : kRows)
            for (const char key : row)
                drawKey(paint, key, false);
        return picture;
    }();
    return kKeyboard;
}

}  // namespace

PixelRect keyRect(char letter) {
    for (int row = 0; row < 3; ++row) {
        const std::size_t column = kRows[row].find(letter);
        if (column == std::string_view::npos) continue;
        return {kLeft + kRowIndent[row] + static_cast<int>(column) * kKeyPitchX,
                kTop + row * kKeyPitchY, kKeyWidth, kKeyHeight};
    }
    throw std::invalid_argument(std::string("no key for '") + letter + "'");
}

PixelRect codeLetterRect(std::size_t i) {
    if (i >= kMaxCodeLetters) throw std::invalid_argument("a code has at most four letters");
    return {kCodeLeft + static_cast<int>(i) * (kCodeLetterWidth + kCodeGap), kCodeTop,
            kCodeLetterWidth, kCodeLetterHeight};
}

const std::array<Rgb, kStripColours>& stripPalette() {
    static constexpr std::array<Rgb, kStripColours> kPalette = {{
        {0x2E, 0x33, 0x3A},  // kBody: dark slate
        {0xE6, 0xE9, 0xED},  // kKeyFace
        {0x98, 0x9F, 0xA8},  // kKeyShadow
        {0xFF, 0x8C, 0x1A},  // kLitFace: orange, the one colour that moves
        {0xB8, 0x58, 0x00},  // kLitShadow
        {0x5E, 0x66, 0x70},  // kDimFace
        {0x3E, 0x44, 0x4C},  // kLegendDim
        {0xFF, 0x00, 0xFF},  // kUnusedColour
    }};
    return kPalette;
}

IndexedPicture drawKeyboardStrip(std::string_view code, std::size_t current, bool keyDown) {
    if (code.empty() || code.size() > kMaxCodeLetters) {
        throw std::invalid_argument("a code of " + std::to_string(code.size()) + " letters");
    }
    for (const char c : code) {
        if (!isWubiKey(c)) throw std::invalid_argument("code \"" + std::string(code) + "\"");
    }
    if (current > code.size() || (keyDown && current == code.size())) {
        throw std::invalid_argument("no next letter to type in \"" + std::string(code) + "\"");
    }

    IndexedPicture picture = restingKeyboard();
    Painter paint(picture);
    if (keyDown) drawKey(paint, code[current], true);
    for (std::size_t i = 0; i < code.size(); ++i) {
        const PixelRect r = codeLetterRect(i);
        const std::uint8_t colour = i < current ? kKeyFace : i == current ? kLitFace : kKeyShadow;
        paint.letter(code[i], r.left, r.top, kCodeScale, colour);
    }
    return picture;
}

}  // namespace quorvin::mkdata
