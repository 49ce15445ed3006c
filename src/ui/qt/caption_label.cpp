#include "caption_label.h"

#include <QPainter>
#include <QStyle>

#include "fonts.h"

namespace quorvin::ui::qt {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int CaptionLabel::lift() const {
    return ascentExcess(font());
}

QSize CaptionLabel::sizeHint() const {
    return QLabel::sizeHint() - QSize(0, lift());
}

QSize CaptionLabel::minimumSizeHint() const {
    return QLabel::minimumSizeHint() - QSize(0, lift());
}

int CaptionLabel::heightForWidth(int width) const {
    return QLabel::heightForWidth(width) - lift();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int flags = static_cast<int>(alignment());
    if (wordWrap()) flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, contentsRect().adjusted(0, -lift(), 0, 0), flags, palette(),
                          isEnabled(), text(), foregroundRole());
}

}  // namespace quorvin::ui::qt
