#include "fonts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace quorvin::ui::qt {

namespace {

// The Song faces' baseline lies at 220/256 of the character height.
constexpr double kSongAscent = 220.0 / 256.0;

bool isSongFace(const std::string& face) {
    return face == "宋体" || face == "新宋体";
}

}  // namespace

QStringList songFamilies() {
    return {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
            QStringLiteral("Noto Sans CJK SC")};
}

QFont toQFont(const ui::Font& font) {
    QStringList families = songFamilies();
    if (!isSongFace(font.face)) families.prepend(QString::fromStdString(font.face));
    QFont result;
    result.setFamilies(families);
    result.setPixelSize(std::max(1, font.pixelHeight));
    result.setBold(font.bold);
    return result;
}

int ascentExcess(const QFont& font) {
    const double designed = kSongAscent * font.pixelSize();
    return std::max(0, static_cast<int>(std::lround(QFontMetricsF(font).ascent() - designed)));
}

}  // namespace quorvin::ui::qt
