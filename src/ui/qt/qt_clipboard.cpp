#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "text.h"

namespace quorvin::ui::qt {

std::string QtClipboard::text() {
    return toGbkBytes(QGuiApplication::clipboard()->text());
}

void QtClipboard::setText(const std::string& gbk) {
    QGuiApplication::clipboard()->setText(toQt(gbk));
}

}  // namespace quorvin::ui::qt
