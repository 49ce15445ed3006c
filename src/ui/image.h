#pragma once

#include <memory>

#include "control.h"
#include "picture.h"

namespace quorvin::ui {

// Shows a picture; an animated one plays by itself in the toolkit.
class Image : public Control {
  public:
    explicit Image(std::string name) : Control(ControlKind::Image, std::move(name)) {}

    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void setPicture(std::shared_ptr<const Picture> p) {
        picture_ = std::move(p);
        notify(Property::Picture);
    }
    void clear() {
        if (picture_) setPicture(nullptr);
    }

    // An auto-sized image takes the size of its picture.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a) { set(autoSize_, a, Property::Geometry); }

  private:
    std::shared_ptr<const Picture> picture_;
    bool autoSize_ = false;
};

}  // namespace quorvin::ui
