#include "radio_group_widget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

namespace quorvin::ui::qt {

RadioGroupWidget::RadioGroupWidget(QWidget* parent) : QGroupBox(parent) {}

void RadioGroupWidget::setItems(const QStringList& items) {
    const auto count = static_cast<std::size_t>(items.size());
    // Surplus buttons may be the very sender of the click that led here: delete them later.
    while (buttons_.size() > count) {
        buttons_.back()->hide();
        buttons_.back()->deleteLater();
        buttons_.pop_back();
    }
    while (buttons_.size() < count) {
        auto* button = new QRadioButton(this);
        // The designed columns leave just room for four characters beside a small indicator.
        button->setStyleSheet(
            QStringLiteral("QRadioButton { spacing: 2px; } QRadioButton::indicator { width: 11px; "
                           "height: 11px; }"));
        const int index = static_cast<int>(buttons_.size());
        connect(button, &QRadioButton::clicked, this, [this, index] {
            if (onChoose) onChoose(index);
        });
        button->show();
        buttons_.push_back(button);
    }
    for (std::size_t i = 0; i < count; ++i)
        buttons_[i]->setText(items[static_cast<int>(i)]);
    layOut();
}

void RadioGroupWidget::setColumns(int columns) {
    columns_ = std::max(1, columns);
    layOut();
}

void RadioGroupWidget::setChosen(int index) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QRadioButton& button = *buttons_[i];
        const bool checked = static_cast<int>(i) == index;
        if (button.isChecked() == checked) continue;
        const QSignalBlocker block(button);
        // An exclusive button refuses to be unchecked, even when no other one is to be.
        button.setAutoExclusive(false);
        button.setChecked(checked);
        button.setAutoExclusive(true);
    }
}

int RadioGroupWidget::chosen() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

QWidget& RadioGroupWidget::focusButton() {
    const int index = chosen();
    if (index >= 0) return *buttons_[static_cast<std::size_t>(index)];
    if (!buttons_.empty()) return *buttons_.front();
    return *this;
}

void RadioGroupWidget::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    layOut();
}

void RadioGroupWidget::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) layOut();
}

void RadioGroupWidget::layOut() {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int perColumn = (count + columns_ - 1) / columns_;
    // The caption takes one designed character height; the design's fonts have no leading.
    const int captionHeight = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
    const int room = std::max(0, height() - captionHeight - 5);
    const int rowHeight = room / perColumn;
    const int top = captionHeight + 1 + (room % perColumn) / 2;
    const int columnWidth = std::max(0, (width() - 6) / columns_);
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<std::size_t>(i)]->setGeometry((i / perColumn) * columnWidth + 4,
                                                           (i % perColumn) * rowHeight + top,
                                                           columnWidth, rowHeight);
    }
}

}  // namespace quorvin::ui::qt
