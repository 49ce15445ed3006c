// The standard keyboard: every key coloured by the finger that types it, the home keys framed.
#include <vector>

#include "canvas.h"
#include "pictures.h"

namespace helpdraw {

namespace {

using F = Finger;

struct Key {
    KeyLabel label;
    double width;  // in key units
    Finger finger;
};

Key key(const char* main, const char* shifted, Finger finger, double width = 1) {
    return {{QString::fromUtf8(main), QString::fromUtf8(shifted)}, width, finger};
}

std::vector<std::vector<Key>> keyboardRows() {
    return {
        {key("`", "~", F::LeftPinky), key("1", "!", F::LeftPinky), key("2", "@", F::LeftRing),
         key("3", "#", F::LeftMiddle), key("4", "$", F::LeftIndex), key("5", "%", F::LeftIndex),
         key("6", "^", F::RightIndex), key("7", "&", F::RightIndex), key("8", "*", F::RightMiddle),
         key("9", "(", F::RightRing), key("0", ")", F::RightPinky), key("-", "_", F::RightPinky),
         key("=", "+", F::RightPinky), key("Backspace", "", F::RightPinky, 2)},
        {key("Tab", "", F::LeftPinky, 1.5), key("Q", "", F::LeftPinky), key("W", "", F::LeftRing),
         key("E", "", F::LeftMiddle), key("R", "", F::LeftIndex), key("T", "", F::LeftIndex),
         key("Y", "", F::RightIndex), key("U", "", F::RightIndex), key("I", "", F::RightMiddle),
         key("O", "", F::RightRing), key("P", "", F::RightPinky), key("[", "{", F::RightPinky),
         key("]", "}", F::RightPinky), key("\\", "|", F::RightPinky, 1.5)},
        {key("Caps Lock", "", F::LeftPinky, 1.75), key("A", "", F::LeftPinky),
         key("S", "", F::LeftRing), key("D", "", F::LeftMiddle), key("F", "", F::LeftIndex),
         key("G", "", F::LeftIndex), key("H", "", F::RightIndex), key("J", "", F::RightIndex),
         key("K", "", F::RightMiddle), key("L", "", F::RightRing), key(";", ":", F::RightPinky),
         key("'", "\"", F::RightPinky), key("Enter", "", F::RightPinky, 2.25)},
        {key("Shift", "", F::LeftPinky, 2.25), key("Z", "", F::LeftPinky),
         key("X", "", F::LeftRing), key("C", "", F::LeftMiddle), key("V", "", F::LeftIndex),
         key("B", "", F::LeftIndex), key("N", "", F::RightIndex), key("M", "", F::RightIndex),
         key(",", "<", F::RightMiddle), key(".", ">", F::RightRing), key("/", "?", F::RightPinky),
         key("Shift", "", F::RightPinky, 2.75)},
        {key("Ctrl", "", F::LeftPinky, 1.25), key("Win", "", F::None, 1.25),
         key("Alt", "", F::Thumb, 1.25), key("空格 Space", "", F::Thumb, 6.25),
         key("Alt", "", F::Thumb, 1.25), key("Win", "", F::None, 1.25),
         key("Menu", "", F::None, 1.25), key("Ctrl", "", F::RightPinky, 1.25)},
    };
}

bool isHomeKey(const QString& main) {
    return QStringLiteral("ASDFJKL;").contains(main) && main.size() == 1;
}

}  // namespace

bool drawKeyboardMap(const QString& path) {
    constexpr double unit = 84;
    constexpr double left = 50;
    constexpr double top = 160;
    const QString subtitle = QStringLiteral(
        "八个手指放在基准键 A S D F 和 J K L ; 上（粗框），两个拇指放在空格键上。F 与 J "
        "键上的小横线是盲打时摸得到的定位凸起。每个键由同色的手指去按，按完回到基准键。");
    Page page(static_cast<int>(left * 2 + unit * 15), 760, QStringLiteral("标准键盘键位图"),
              subtitle);
    QPainter& p = page.painter();
    double y = top;
    for (const auto& row : keyboardRows()) {
        double x = left;
        for (const Key& k : row) {
            const QRectF box(x, y, unit * k.width, unit);
            const bool home = isHomeKey(k.label.main);
            drawKey(p, box, fingerColour(k.finger), k.label, 30, home,
                    k.label.main == "F" || k.label.main == "J");
            x += unit * k.width;
        }
        y += unit;
    }
    // Both hands' fingers share their colours; only the index fingers, side by side, differ.
    const std::vector<std::pair<QColor, QString>> legend{
        {fingerColour(F::LeftPinky), QStringLiteral("小指")},
        {fingerColour(F::LeftRing), QStringLiteral("无名指")},
        {fingerColour(F::LeftMiddle), QStringLiteral("中指")},
        {fingerColour(F::LeftIndex), fingerName(F::LeftIndex)},
        {fingerColour(F::RightIndex), fingerName(F::RightIndex)},
        {fingerColour(F::Thumb), QStringLiteral("拇指")},
        {fingerColour(F::None), QStringLiteral("不必用于打字")}};
    drawLegend(p, QPointF(left, y + 40), legend, 22);
    p.setFont(drawingFont(20));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(QRectF(left, y + 90, unit * 15, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("左右手的小指、无名指、中指各管一列，食指各管两列；"
                              "数字行和下排的键沿斜线向上或向下伸指去按。"));
    return page.save(path);
}

}  // namespace helpdraw
