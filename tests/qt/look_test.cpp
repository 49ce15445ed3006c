#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>

#include "ui/colour.h"
#include "ui/qt/fonts.h"
#include "ui/qt/palette.h"

namespace quorvin::ui::qt {
namespace {

TEST(FontsTest, SongFacesMapToAnInstalledChineseFace) {
    for (const char* face : {"宋体", "新宋体"}) {
        const QFont font = toQFont({face, 35, true});
        EXPECT_EQ(font.families(), songFamilies()) << face;
        EXPECT_EQ(font.pixelSize(), 35);
        EXPECT_TRUE(font.bold());
        // The stand-in must hold Chinese characters, or they show as boxes.
        EXPECT_TRUE(QFontMetricsF(font).inFont(QChar(0x6253)));  // 打
    }
    EXPECT_EQ(QFontInfo(toQFont({"宋体", 14, false})).family(), songFamilies().front());
}

TEST(FontsTest, OtherFacesComeFirstWithTheSongFacesBehind) {
    const QFont font = toQFont({"Tahoma", 12, false});
    QStringList expected = songFamilies();
    expected.prepend("Tahoma");
    EXPECT_EQ(font.families(), expected);
}

// The big targets are 200 x 200 boxes with a 200 px font, the game character 133 px, the code
// hints 64 px: drawn from the designed baseline, a Chinese character's ink stays inside a box of
// its own height, and no letter pokes out above it (give or take the rounding of a pixel).
TEST(FontsTest, CharactersSitInsideTheirDesignedBoxesFromTheDesignedBaseline) {
    for (const int height : {200, 133, 64, 24}) {
        const QFont font = toQFont({"新宋体", height, false});
        const QFontMetricsF metrics(font);
        const double baseline = metrics.ascent() - ascentExcess(font);
        for (const char* text : {"打", "字", "练", "习", "完", "A", "W", "1"}) {
            const QRectF ink =
                metrics.tightBoundingRect(QString::fromUtf8(text)).translated(0, baseline);
            EXPECT_GE(ink.top(), -1) << height << " " << text;
            if (static_cast<unsigned char>(text[0]) >= 0x80) {
                EXPECT_LE(ink.bottom(), height) << height << " " << text;
            }
        }
    }
}

TEST(PaletteTest, PlainColoursAreBlueGreenRedWords) {
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(toQColor(colours::Teal, palette), QColor(0, 128, 128));
    EXPECT_EQ(toQColor(rgb(0xFF, 0, 0x80), palette), QColor(0xFF, 0, 0x80));
    EXPECT_EQ(toQColor(0x8000FF, palette), QColor(0xFF, 0, 0x80));
}

TEST(PaletteTest, SystemColoursComeFromThePalette) {
    const QPalette palette = QApplication::palette();
    const std::pair<Colour, QPalette::ColorRole> cases[] = {
        {colours::Highlight, QPalette::Highlight}, {colours::WindowText, QPalette::WindowText},
        {colours::ButtonFace, QPalette::Button},   {colours::HotLight, QPalette::Link},
        {colours::Window, QPalette::Base},         {0xFF000063, QPalette::WindowText},
    };
    for (const auto& [colour, role] : cases) {
        EXPECT_EQ(systemColourRole(colour), role) << std::hex << colour;
        EXPECT_EQ(toQColor(colour, palette), palette.color(role)) << std::hex << colour;
    }
}

TEST(PaletteTest, TextColourCanGoBackToASystemColour) {
    QLabel label;
    setTextColour(label, colours::Purple);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(128, 0, 128));
    setTextColour(label, colours::WindowText);
    EXPECT_EQ(label.palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
    // Disabled text keeps the greyed colour.
    setTextColour(label, colours::Teal);
    EXPECT_NE(label.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0, 128, 128));
}

}  // namespace
}  // namespace quorvin::ui::qt
