// The numeric keypad, typed by the right hand alone with its home keys 4 5 6.
#include <vector>

#include "canvas.h"
#include "pictures.h"

namespace helpdraw {

namespace {

struct PadKey {
    const char* label;
    int column, row, columns, rows;
    Finger finger;
};

constexpr PadKey kPad[] = {
    {"Num", 0, 0, 1, 1, Finger::RightIndex},   {"/", 1, 0, 1, 1, Finger::RightMiddle},
    {"*", 2, 0, 1, 1, Finger::RightRing},      {"-", 3, 0, 1, 1, Finger::RightPinky},
    {"7", 0, 1, 1, 1, Finger::RightIndex},     {"8", 1, 1, 1, 1, Finger::RightMiddle},
    {"9", 2, 1, 1, 1, Finger::RightRing},      {"+", 3, 1, 1, 2, Finger::RightPinky},
    {"4", 0, 2, 1, 1, Finger::RightIndex},     {"5", 1, 2, 1, 1, Finger::RightMiddle},
    {"6", 2, 2, 1, 1, Finger::RightRing},      {"1", 0, 3, 1, 1, Finger::RightIndex},
    {"2", 1, 3, 1, 1, Finger::RightMiddle},    {"3", 2, 3, 1, 1, Finger::RightRing},
    {"Enter", 3, 3, 1, 2, Finger::RightPinky}, {"0", 0, 4, 2, 1, Finger::Thumb},
    {".", 2, 4, 1, 1, Finger::RightRing},
};

}  // namespace

bool drawKeypadMap(const QString& path) {
    constexpr double unit = 110;
    constexpr double left = 90;
    constexpr double top = 170;
    Page page(900, 900, QStringLiteral("数字键盘指法图"),
              QStringLiteral("右手食指、中指、无名指放在基准键 4 5 6 上，5 键上有定位凸起；"
                             "拇指按 0，小指按 - + 和 Enter。先按 Num Lock 打开数字键盘。"));
    QPainter& p = page.painter();
    for (const PadKey& k : kPad) {
        const QRectF box(left + k.column * unit, top + k.row * unit, k.columns * unit,
                         k.rows * unit);
        const QString label = QString::fromUtf8(k.label);
        const bool home = label == "4" || label == "5" || label == "6";
        drawKey(p, box, fingerColour(k.finger), {label, {}}, 40, home, label == "5");
    }
    const double legendLeft = left + 4 * unit + 50;
    p.setFont(drawingFont(24));
    double y = top + 10;
    for (Finger f : {Finger::RightIndex, Finger::RightMiddle, Finger::RightRing, Finger::RightPinky,
                     Finger::Thumb}) {
        p.setPen(QColor(0x70, 0x70, 0x70));
        p.setBrush(fingerColour(f));
        p.drawRoundedRect(QRectF(legendLeft, y, 36, 36), 5, 5);
        p.setPen(QColor(0x10, 0x10, 0x10));
        p.drawText(QPointF(legendLeft + 50, y + 28),
                   f == Finger::Thumb ? QStringLiteral("右手拇指") : fingerName(f));
        y += 60;
    }
    p.setFont(drawingFont(20));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(QRectF(left, top + 5 * unit + 30, 720, 140), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("食指管 7 4 1 一列，中指管 8 5 2 和 /，无名指管 9 6 3、. 和 *。"
                              "手指按完立刻回到 4 5 6，眼睛看屏幕，不看键盘。"));
    return page.save(path);
}

}  // namespace helpdraw
