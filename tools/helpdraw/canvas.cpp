#include "canvas.h"

#include <QPainterPath>

namespace helpdraw {

QColor fingerColour(Finger finger) {
    switch (finger) {
        case Finger::LeftPinky:
        case Finger::RightPinky:
            return QColor(0xf4, 0xb6, 0xc2);
        case Finger::LeftRing:
        case Finger::RightRing:
            return QColor(0xff, 0xd2, 0x9e);
        case Finger::LeftMiddle:
        case Finger::RightMiddle:
            return QColor(0xfb, 0xf0, 0x9a);
        case Finger::LeftIndex:
            return QColor(0xb5, 0xe3, 0xb0);
        case Finger::RightIndex:
            return QColor(0xa9, 0xd6, 0xf2);
        case Finger::Thumb:
            return QColor(0xd9, 0xcc, 0xf0);
        case Finger::None:
            break;
    }
    return QColor(0xe6, 0xe6, 0xe6);
}

QString fingerName(Finger finger) {
    switch (finger) {
        case Finger::LeftPinky:
            return QStringLiteral("左手小指");
        case Finger::LeftRing:
            return QStringLiteral("左手无名指");
        case Finger::LeftMiddle:
            return QStringLiteral("左手中指");
        case Finger::LeftIndex:
            return QStringLiteral("左手食指");
        case Finger::RightIndex:
            return QStringLiteral("右手食指");
        case Finger::RightMiddle:
            return QStringLiteral("右手中指");
        case Finger::RightRing:
            return QStringLiteral("右手无名指");
        case Finger::RightPinky:
            return QStringLiteral("右手小指");
        case Finger::Thumb:
            return QStringLiteral("拇指");
        case Finger::None:
            break;
    }
    return {};
}

QFont drawingFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans Mono CJK SC")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

Page::Page(int width, int height, const QString& title, const QString& subtitle)
    : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setPen(QColor(0x20, 0x30, 0x50));
    painter_.setFont(drawingFont(40, true));
    painter_.drawText(QRectF(0, 18, width, 56), Qt::AlignCenter, title);
    painter_.setPen(QColor(0x40, 0x40, 0x40));
    painter_.setFont(drawingFont(20));
    painter_.drawText(QRectF(40, 78, width - 80, 60), Qt::AlignHCenter | Qt::TextWordWrap,
                      subtitle);
}

bool Page::save(const QString& path) {
    painter_.end();
    return image_.save(path, "JPEG", 92);
}

void drawKey(QPainter& p, const QRectF& box, const QColor& fill, const KeyLabel& label,
             int fontPixels, bool home, bool bump) {
    const QRectF cap = box.adjusted(3, 3, -3, -3);
    p.setPen(QPen(home ? QColor(0x20, 0x20, 0x20) : QColor(0x70, 0x70, 0x70), home ? 3.0 : 1.2));
    p.setBrush(fill);
    p.drawRoundedRect(cap, 8, 8);
    p.setPen(QColor(0x10, 0x10, 0x10));
    const QRectF text = cap.adjusted(8, 5, -8, -5);
    if (label.shifted.isEmpty()) {
        const bool word = label.main.size() > 1;
        p.setFont(drawingFont(word ? fontPixels * 2 / 3 : fontPixels, !word));
        p.drawText(text, word ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignCenter, label.main);
    } else {
        p.setFont(drawingFont(fontPixels * 3 / 4));
        p.drawText(text, Qt::AlignLeft | Qt::AlignTop, label.shifted);
        p.setFont(drawingFont(fontPixels * 3 / 4, true));
        p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, label.main);
    }
    if (bump) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        const double y = cap.bottom() - 10;
        p.drawLine(QPointF(cap.center().x() - 9, y), QPointF(cap.center().x() + 9, y));
    }
}

void drawLegend(QPainter& p, QPointF at, const std::vector<std::pair<QColor, QString>>& entries,
                int fontPixels) {
    p.setFont(drawingFont(fontPixels));
    const QFontMetrics metrics(p.font());
    double x = at.x();
    for (const auto& [colour, name] : entries) {
        p.setPen(QColor(0x70, 0x70, 0x70));
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(x, at.y(), fontPixels * 1.4, fontPixels * 1.4), 4, 4);
        p.setPen(QColor(0x10, 0x10, 0x10));
        x += fontPixels * 1.8;
        p.drawText(QPointF(x, at.y() + fontPixels * 1.1), name);
        x += metrics.horizontalAdvance(name) + fontPixels * 1.4;
    }
}

}  // namespace helpdraw
