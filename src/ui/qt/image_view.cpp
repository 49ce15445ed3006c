#include "picture_label.h"
#include "views.h"

namespace quorvin::ui::qt {

namespace {

class ImageView final : public ControlView {
  public:
    ImageView(ui::Image& image, PictureLabel& widget)
        : ControlView(image, widget), image_(image), widget_(widget) {}

  protected:
    void updateOwn(ui::Property property) override {
        if (property != ui::Property::Picture) return;
        widget_.setPicture(image_.picture());
        applyGeometry();
    }

    void applyGeometry() override {
        const ui::Rect& r = image_.geometry();
        const auto& picture = image_.picture();
        if (image_.autoSize() && picture)
            widget_.setGeometry(r.left, r.top, picture->width, picture->height);
        else
            widget_.setGeometry(r.left, r.top, r.width, r.height);
    }

  private:
    ui::Image& image_;
    PictureLabel& widget_;
};

}  // namespace

std::unique_ptr<ControlView> makeImageView(ui::Image& image, QWidget& parent) {
    return std::make_unique<ImageView>(image, *new PictureLabel(&parent));
}

}  // namespace quorvin::ui::qt
