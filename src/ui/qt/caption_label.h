#pragma once

#include <QLabel>

namespace quorvin::ui::qt {

// A plain-text label whose text stands where the designed Song face would put it. The stand-in
// faces have taller ascents, and the design fits captions tightly into their boxes, so the text
// is lifted by the difference and the label is that much shorter.
class CaptionLabel : public QLabel {
  public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int lift() const;
};

}  // namespace quorvin::ui::qt
