#include "edit_widget.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

namespace quorvin::ui::qt {

EditWidget::EditWidget(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
}

void EditWidget::showState(std::string_view gbk, std::size_t anchor, std::size_t caret) {
    text_ = DisplayText(gbk);
    anchor_ = anchor;
    caret_ = caret;
    display();
}

void EditWidget::display() {
    const QSignalBlocker block(this);
    if (text() != text_.text()) setText(text_.text());
    const int anchor = text_.unitAt(anchor_);
    const int caret = text_.unitAt(caret_);
    if (anchor == caret)
        setCursorPosition(caret);
    else
        setSelection(anchor, caret - anchor);
}

QVariant EditWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    // The window decides whether an input method may compose here, not the line edit.
    if (query == Qt::ImEnabled) return isEnabled() && testAttribute(Qt::WA_InputMethodEnabled);
    return QLineEdit::inputMethodQuery(query);
}

void EditWidget::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void EditWidget::keyReleaseEvent(QKeyEvent* event) {
    event->ignore();
}

void EditWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (composing_ != event->preeditString()) {
        composing_ = event->preeditString();
        update();
    }
    event->accept();
}

std::size_t EditWidget::bytePositionAt(const QPoint& point) {
    return text_.byteAt(cursorPositionAt(point));
}

void EditWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;  // no pasting of the selection on X11
    if (!composing_.isEmpty()) QGuiApplication::inputMethod()->commit();
    const std::size_t at = bytePositionAt(event->position().toPoint());
    dragging_ = true;
    dragAnchor_ = event->modifiers() & Qt::ShiftModifier ? anchor_ : at;
    if (onSelect) onSelect(dragAnchor_, at);
}

void EditWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    const std::size_t at = bytePositionAt(event->position().toPoint());
    const bool same = std::min(dragAnchor_, at) == std::min(anchor_, caret_) &&
                      std::max(dragAnchor_, at) == std::max(anchor_, caret_);
    if (!same && onSelect) onSelect(dragAnchor_, at);
}

void EditWidget::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void EditWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

// The line edit's own focus handling starts and stops the caret, but may also select or
// deselect; the model's selection is shown again afterwards.
void EditWidget::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    display();
}

void EditWidget::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    composing_.clear();
    display();
}

void EditWidget::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (composing_.isEmpty()) return;
    QPainter painter(this);
    const QRect caret = cursorRect();
    const QFontMetrics metrics = fontMetrics();
    const int width = metrics.horizontalAdvance(composing_);
    const int baseline = caret.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    const QRect box(caret.center().x(), baseline - metrics.ascent(), width, metrics.height());
    painter.fillRect(box, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(box.left(), baseline, composing_);
    painter.drawLine(box.left(), baseline + 2, box.right(), baseline + 2);
}

}  // namespace quorvin::ui::qt
