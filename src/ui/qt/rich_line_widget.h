#pragma once

#include <QWidget>
#include <string_view>
#include <vector>

#include "ui/colour.h"

namespace quorvin::ui::qt {

// One read-only line of text whose characters each have their own colour. The text sits
// exactly where a line edit of the same font and size would put it, so a source line and the
// typed line below it line up.
class RichLineWidget : public QWidget {
  public:
    // Characters [start, start + length) of the shown text in one colour.
    struct Run {
        int start = 0;
        int length = 0;
        ui::Colour colour = 0;
        bool operator==(const Run&) const = default;
    };

    explicit RichLineWidget(QWidget* parent = nullptr);

    // GBK text with one colour per byte; a double-byte character shows in its first byte's.
    void setContent(std::string_view gbk, const std::vector<ui::Colour>& colours);

    const QString& text() const { return text_; }
    const std::vector<Run>& runs() const { return runs_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    std::vector<Run> runs_;
};

}  // namespace quorvin::ui::qt
