#pragma once

#include "control.h"

namespace quorvin::ui {

class Label : public Control {
  public:
    explicit Label(std::string name) : Control(ControlKind::Label, std::move(name)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { set(caption_, std::move(c), Property::Caption); }

    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w) { set(wordWrap_, w, Property::Geometry); }

    // An auto-sized label grows to its caption; its width and height are then only a minimum.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a) { set(autoSize_, a, Property::Geometry); }

  private:
    std::string caption_;
    bool wordWrap_ = false;
    bool autoSize_ = true;
};

}  // namespace quorvin::ui
