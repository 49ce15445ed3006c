// helpdraw OUTPUT_FOLDER RADICAL_TABLE: draws the help pictures of the program folder.
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "pictures.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: helpdraw OUTPUT_FOLDER RADICAL_TABLE\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]) + '/';
    try {
        const auto radicals = helpdraw::readRadicals(QString::fromLocal8Bit(argv[2]));
        const bool written =
            helpdraw::drawKeyboardMap(folder + QStringLiteral("标准键盘键位图.jpg")) &&
            helpdraw::drawKeypadMap(folder + QStringLiteral("数字键盘指法图.jpg")) &&
            helpdraw::drawRadicalChart(radicals, folder + QStringLiteral("五笔字根图86版.jpg"));
        if (!written) {
            std::fprintf(stderr, "helpdraw: a picture could not be written to %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "helpdraw: %s\n", error.what());
        return 1;
    }
    return 0;
}
