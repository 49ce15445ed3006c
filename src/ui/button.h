#pragma once

#include <functional>

#include "control.h"

namespace quorvin::ui {

class Button : public Control {
  public:
    explicit Button(std::string name) : Control(ControlKind::Button, std::move(name)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { set(caption_, std::move(c), Property::Caption); }

    std::function<void()> onClick;

    // A click by the user: only a shown, enabled button reacts.
    void click() {
        if (visible() && enabled() && onClick) onClick();
    }

    bool focusable() const override { return true; }

  private:
    std::string caption_;
};

}  // namespace quorvin::ui
