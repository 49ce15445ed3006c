#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace helpdraw {

// The fingers of touch typing, each with the colour its keys are painted in.
enum class Finger {
    LeftPinky,
    LeftRing,
    LeftMiddle,
    LeftIndex,
    RightIndex,
    RightMiddle,
    RightRing,
    RightPinky,
    Thumb,
    None
};

QColor fingerColour(Finger finger);
QString fingerName(Finger finger);

// A CJK face first, so that every caption and radical has its glyph.
QFont drawingFont(int pixels, bool bold = false);

// A white page with a title and a line of explanation.
class Page {
  public:
    Page(int width, int height, const QString& title, const QString& subtitle);

    QPainter& painter() { return painter_; }
    // The page as a JPEG file; false when it cannot be written.
    bool save(const QString& path);

  private:
    QImage image_;
    QPainter painter_;
};

struct KeyLabel {
    QString main;     // the key's own character or name
    QString shifted;  // what Shift gives, or empty
};

// A key cap: rounded, filled, its labels in the corners; a home key carries a thicker border and,
// where the keyboard has one, a bump.
void drawKey(QPainter& p, const QRectF& box, const QColor& fill, const KeyLabel& label,
             int fontPixels, bool home = false, bool bump = false);

// A row of colour swatches with names, from left to right.
void drawLegend(QPainter& p, QPointF at, const std::vector<std::pair<QColor, QString>>& entries,
                int fontPixels);

}  // namespace helpdraw
