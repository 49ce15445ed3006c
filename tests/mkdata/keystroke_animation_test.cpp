#include "mkdata/keystroke_animation.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "drills/gif_decoder.h"
#include "mkdata/gif_writer.h"
#include "mkdata/keyboard_strip.h"
#include "strip_reading.h"

namespace quorvin::mkdata {
namespace {

using test::argbOf;
using test::codeLetterPixels;
using test::litKeys;

ui::Picture decoded(std::string_view code) {
    const auto gif = drawKeystrokeAnimation(code);
    auto picture = drills::decodeGif(gif);
    if (!picture)
        throw std::runtime_error("the animation of " + std::string(code) + " does not decode");
    return std::move(*picture);
}

TEST(KeyboardStrip, EveryKeyHasItsOwnPlaceInsideThePicture) {
    std::set<std::pair<int, int>> corners;
    for (char key = 'a'; key <= 'z'; ++key) {
        SCOPED_TRACE(key);
        const PixelRect r = keyRect(key);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.left + r.width, kStripWidth);
        EXPECT_LE(r.top + r.height, kStripHeight);
        EXPECT_GE(r.width, 12);  // room for a legend of the 5 x 7 font
        EXPECT_GE(r.height, 10);
        corners.insert({r.left, r.top});
    }
    EXPECT_EQ(corners.size(), 26u);
    // The home row keys stand in one row, left to right as on a keyboard.
    EXPECT_EQ(keyRect('a').top, keyRect('l').top);
    EXPECT_LT(keyRect('a').left, keyRect('g').left);
    EXPECT_LT(keyRect('q').top, keyRect('a').top);
    EXPECT_LT(keyRect('a').top, keyRect('z').top);
    EXPECT_THROW(keyRect('A'), std::invalid_argument);
    EXPECT_THROW(keyRect(';'), std::invalid_argument);
    // The code is written clear of the keys.
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_GE(codeLetterRect(i).left, keyRect('p').left + keyRect('p').width);
        EXPECT_LE(codeLetterRect(i).left + codeLetterRect(i).width, kStripWidth);
    }
}

TEST(KeystrokeAnimation, HoldsTheKeysOfTheCodeDownOneAfterAnother) {
    for (const std::string code : {"rqyy", "bnh", "khlg", "a", "ggll", "tdqr", "yyyy", "xu"}) {
        SCOPED_TRACE(code);
        const ui::Picture picture = decoded(code);
        EXPECT_EQ(picture.width, kStripWidth);
        EXPECT_EQ(picture.height, kStripHeight);
        EXPECT_EQ(picture.loopCount, 0) << "plays for ever";

        // Frame by frame: a held key, the code letter being typed lit, the typed ones done.
        std::size_t letter = 0;
        int heldMs = 0;
        for (std::size_t f = 0; f + 1 < picture.frames.size(); ++f) {
            const std::string lit = litKeys(picture, f);
            if (lit.empty()) {
                // Only between two strokes of one key.
                ASSERT_GT(letter, 0u);
                ASSERT_LT(letter, code.size());
                EXPECT_EQ(code[letter], code[letter - 1]);
                // Let go, the letter stays highlighted until the key goes down again.
                EXPECT_GT(codeLetterPixels(picture, f, letter - 1, kLitFace), 0) << "frame " << f;
                heldMs += picture.frames[f].delayMs;
                continue;
            }
            ASSERT_LT(letter, code.size()) << "frame " << f;
            EXPECT_EQ(lit, std::string(1, code[letter])) << "frame " << f;
            for (std::size_t i = 0; i < code.size(); ++i) {
                const bool current = i == letter;
                EXPECT_EQ(codeLetterPixels(picture, f, i, kLitFace) > 0, current)
                    << "frame " << f << " letter " << i;
                EXPECT_EQ(codeLetterPixels(picture, f, i, kKeyFace) > 0, i < letter)
                    << "frame " << f << " letter " << i;
            }
            heldMs += picture.frames[f].delayMs;
            ++letter;
        }
        EXPECT_EQ(letter, code.size());
        EXPECT_EQ(heldMs, kKeyDownMs * static_cast<int>(code.size()));

        // The pause: nothing held, the whole code typed.
        const std::size_t last = picture.frames.size() - 1;
        EXPECT_EQ(litKeys(picture, last), "");
        EXPECT_EQ(picture.frames[last].delayMs, kTypedPauseMs);
        for (std::size_t i = 0; i < code.size(); ++i) {
            EXPECT_GT(codeLetterPixels(picture, last, i, kKeyFace), 0) << "letter " << i;
        }
    }
}

TEST(KeystrokeAnimation, FirstFrameShowsTheWholeKeyboardAtRestButTheFirstKey) {
    const ui::Picture picture = decoded("fg");
    for (char key = 'a'; key <= 'y'; ++key) {
        if (key == 'f') continue;
        EXPECT_EQ(test::keyFace(picture, 0, key), argbOf(kKeyFace)) << key;
    }
    // Z is no Wubi key and stands out of the way.
    EXPECT_EQ(test::keyFace(picture, 0, 'z'), argbOf(kDimFace));
}

TEST(KeystrokeAnimation, StaysSmall) {
    // The longest animations: four different keys far apart, and a key typed twice.
    for (const std::string code : {"qpxm", "pqbx", "rqyy", "aaaa", "ylqa"}) {
        EXPECT_LE(drawKeystrokeAnimation(code).size(), 2048u) << code;
    }
    EXPECT_LE(drawKeystrokeAnimation("a").size(), 1200u);
}

TEST(KeystrokeAnimation, RefusesWhatIsNoWubiCode) {
    for (const std::string code : {"", "abcde", "z", "az", "Ab", "a1", "a b"}) {
        EXPECT_THROW(drawKeystrokeAnimation(code), std::invalid_argument) << '"' << code << '"';
    }
}

TEST(KeystrokeAnimation, SameCodeSameBytes) {
    EXPECT_EQ(drawKeystrokeAnimation("wqvb"), drawKeystrokeAnimation("wqvb"));
    EXPECT_NE(drawKeystrokeAnimation("wqvb"), drawKeystrokeAnimation("wqvn"));
}

}  // namespace
}  // namespace quorvin::mkdata
