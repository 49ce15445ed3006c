// The Wubi 86 radicals by key, from the program's own radical table.
#include <QFile>
#include <QTextStream>
#include <stdexcept>

#include "canvas.h"
#include "pictures.h"

namespace helpdraw {

namespace {

// Zone (stroke of the first radical) and position of every key with radicals.
struct ZoneKey {
    char key;
    int code;  // zone * 10 + position
};

constexpr const char* kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

int zoneCode(char key) {
    static constexpr const char* kZones[] = {"gfdsa", "hjklm", "trewq", "yuiop", "nbvcx"};
    for (int zone = 0; zone < 5; ++zone)
        for (int position = 0; kZones[zone][position]; ++position)
            if (kZones[zone][position] == key) return (zone + 1) * 10 + position + 1;
    return 0;
}

QColor zoneColour(int zone) {
    static const QColor kColours[] = {QColor(0xbf, 0xdc, 0xf5), QColor(0xc4, 0xe8, 0xc0),
                                      QColor(0xfb, 0xee, 0xa8), QColor(0xff, 0xd3, 0xa6),
                                      QColor(0xf6, 0xc1, 0xcd)};
    return zone >= 1 && zone <= 5 ? kColours[zone - 1] : QColor(0xe8, 0xe8, 0xe8);
}

const char* const kZoneNames[] = {"1区 横起笔", "2区 竖起笔", "3区 撇起笔", "4区 捺（点）起笔",
                                  "5区 折起笔"};

void drawRadicalKey(QPainter& p, const QRectF& box, char key,
                    const std::vector<QString>& radicals) {
    const int code = zoneCode(key);
    const QRectF cap = box.adjusted(4, 4, -4, -4);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    p.setBrush(zoneColour(code / 10));
    p.drawRoundedRect(cap, 10, 10);
    p.setPen(QColor(0x10, 0x10, 0x10));
    p.setFont(drawingFont(30, true));
    p.drawText(cap.adjusted(10, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QString(QChar(key)).toUpper());
    if (code == 0) {
        p.setFont(drawingFont(22));
        p.drawText(cap, Qt::AlignCenter, QStringLiteral("学习键"));
        return;
    }
    p.setFont(drawingFont(20));
    p.drawText(cap.adjusted(0, 8, -10, 0), Qt::AlignRight | Qt::AlignTop, QString::number(code));
    // The key name stands out; the other radicals follow four to a row.
    p.setPen(QColor(0xb0, 0x10, 0x10));
    p.setFont(drawingFont(46, true));
    p.drawText(QRectF(cap.left(), cap.top() + 36, cap.width(), 56), Qt::AlignCenter,
               radicals.front());
    p.setPen(QColor(0x10, 0x10, 0x10));
    p.setFont(drawingFont(30));
    const double cell = cap.width() / 4;
    for (std::size_t k = 1; k < radicals.size(); ++k) {
        const std::size_t slot = k - 1;
        const QRectF at(cap.left() + static_cast<double>(slot % 4) * cell,
                        cap.top() + 96 + static_cast<double>(slot / 4) * 40, cell, 40);
        p.drawText(at, Qt::AlignCenter, radicals[k]);
    }
}

}  // namespace

RadicalsByKey readRadicals(const QString& tablePath) {
    QFile file(tablePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + tablePath.toStdString());
    QTextStream in(&file);
    in.readLine();  // header
    RadicalsByKey radicals;
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split('\t');
        if (fields.size() < 2 || fields[0].size() != 1) continue;
        auto& list = radicals[fields[0][0].toLatin1()];
        if (fields.size() > 2 && fields[2] == QStringLiteral("key name"))
            list.insert(list.begin(), fields[1]);
        else
            list.push_back(fields[1]);
    }
    for (const auto& [key, list] : radicals)
        if (list.empty() || list.size() > 9)
            throw std::runtime_error(std::string("key ") + key + " has no room for its radicals");
    if (radicals.size() != 25) throw std::runtime_error("the radical table does not cover 25 keys");
    return radicals;
}

bool drawRadicalChart(const RadicalsByKey& radicals, const QString& path) {
    constexpr double width = 176;
    constexpr double height = 196;
    constexpr double left = 40;
    constexpr double top = 160;
    Page page(
        static_cast<int>(left * 2 + width * 10), 860, QStringLiteral("五笔字根图（86版）"),
        QStringLiteral(
            "每个键上红色大字是键名字根，数字是区位号（区号为起笔笔画，位号为键在区中的位置）。"
            "同一键的字根多与键名形近或起笔相同；Z 键不放字根。"));
    QPainter& p = page.painter();
    for (int row = 0; row < 3; ++row) {
        const double indent = row * width / 4;
        int column = 0;
        for (const char* key = kRows[row]; *key; ++key, ++column) {
            const QRectF box(left + indent + column * width, top + row * height, width, height);
            const auto found = radicals.find(*key);
            drawRadicalKey(p, box, *key,
                           found == radicals.end() ? std::vector<QString>{} : found->second);
        }
    }
    std::vector<std::pair<QColor, QString>> legend;
    for (int zone = 1; zone <= 5; ++zone)
        legend.emplace_back(zoneColour(zone), QString::fromUtf8(kZoneNames[zone - 1]));
    drawLegend(p, QPointF(left, top + 3 * height + 40), legend, 24);
    return page.save(path);
}

}  // namespace helpdraw
