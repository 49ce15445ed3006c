#include "picture_label.h"

#include <QImage>

namespace quorvin::ui::qt {

namespace {

// Pictures ask for delays this short, or none, expecting the usual tenth of a second.
constexpr int kShortestDelayMs = 20;
constexpr int kDefaultDelayMs = 100;

QPixmap toPixmap(const ui::Picture& picture, const ui::Picture::Frame& frame) {
    const auto needed = static_cast<std::size_t>(picture.width) * picture.height;
    if (picture.width <= 0 || picture.height <= 0 || frame.pixels.size() < needed) return {};
    // Pixels are 0xAARRGGBB words, which is Qt's ARGB32 in memory.
    const QImage image(reinterpret_cast<const uchar*>(frame.pixels.data()), picture.width,
                       picture.height, picture.width * 4, QImage::Format_ARGB32);
    return QPixmap::fromImage(image.copy());
}

}  // namespace

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { advance(); });
}

void PictureLabel::setPicture(const std::shared_ptr<const ui::Picture>& picture) {
    timer_.stop();
    frames_.clear();
    delays_.clear();
    frame_ = 0;
    if (picture) {
        for (const auto& frame : picture->frames) {
            frames_.push_back(toPixmap(*picture, frame));
            delays_.push_back(frame.delayMs < kShortestDelayMs ? kDefaultDelayMs : frame.delayMs);
        }
        loops_ = picture->loopCount;
        playsLeft_ = loops_;
    }
    if (frames_.empty()) {
        clear();
        return;
    }
    showFrame(0);
}

void PictureLabel::showFrame(std::size_t index) {
    frame_ = index;
    setPixmap(frames_[index]);
    if (frames_.size() > 1) timer_.start(delays_[index]);
}

void PictureLabel::advance() {
    std::size_t next = frame_ + 1;
    if (next == frames_.size()) {
        // A loop count of 0 plays for ever.
        if (loops_ > 0 && --playsLeft_ <= 0) return;
        next = 0;
    }
    showFrame(next);
}

}  // namespace quorvin::ui::qt
