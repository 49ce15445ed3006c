#pragma once

#include "control.h"

namespace quorvin::ui {

// A framed, captioned area; controls placed inside it keep form coordinates.
class GroupBox : public Control {
  public:
    explicit GroupBox(std::string name) : Control(ControlKind::GroupBox, std::move(name)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { set(caption_, std::move(c), Property::Caption); }

  private:
    std::string caption_;
};

}  // namespace quorvin::ui
