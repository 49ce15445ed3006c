#pragma once

#include <QLineEdit>
#include <cstddef>
#include <functional>
#include <string_view>

#include "text.h"

namespace quorvin::ui::qt {

// A single-line edit box that only shows what the model holds. Keys and committed input-method
// text are the window's to deliver to the model; this widget never edits its own text. A mouse
// click or drag reports the wanted selection, which the model then sends back. Text still being
// composed by an input method is drawn at the caret without entering the text.
class EditWidget : public QLineEdit {
  public:
    explicit EditWidget(QWidget* parent = nullptr);

    // Shows the model's state: GBK text, the selection's fixed end and the caret, in bytes.
    void showState(std::string_view gbk, std::size_t anchor, std::size_t caret);

    // The selection the user made with the mouse, as byte positions (anchor, caret).
    std::function<void(std::size_t anchor, std::size_t caret)> onSelect;

    const QString& composing() const { return composing_; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void display();
    std::size_t bytePositionAt(const QPoint& point);

    DisplayText text_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    bool dragging_ = false;
    std::size_t dragAnchor_ = 0;
    QString composing_;
};

}  // namespace quorvin::ui::qt
