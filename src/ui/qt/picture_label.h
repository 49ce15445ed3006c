#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/picture.h"

namespace quorvin::ui::qt {

// Shows a model picture at its top-left corner; an animated one plays by its frame delays, for
// ever or its loop count of times, and then keeps its last frame.
class PictureLabel : public QLabel {
  public:
    explicit PictureLabel(QWidget* parent = nullptr);

    void setPicture(const std::shared_ptr<const ui::Picture>& picture);

    std::size_t frameCount() const { return frames_.size(); }
    std::size_t frameIndex() const { return frame_; }
    bool playing() const { return timer_.isActive(); }

  private:
    void showFrame(std::size_t index);
    void advance();

    std::vector<QPixmap> frames_;
    std::vector<int> delays_;
    std::size_t frame_ = 0;
    int loops_ = 0;
    int playsLeft_ = 0;
    QTimer timer_;
};

}  // namespace quorvin::ui::qt
