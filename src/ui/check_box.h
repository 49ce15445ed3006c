#pragma once

#include <functional>

#include "control.h"

namespace quorvin::ui {

class CheckBox : public Control {
  public:
    explicit CheckBox(std::string name) : Control(ControlKind::CheckBox, std::move(name)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { set(caption_, std::move(c), Property::Caption); }

    bool checked() const { return checked_; }
    // Sets the state without running onClick (start-up applies stored settings this way).
    void setChecked(bool c) { set(checked_, c, Property::Checked); }

    // Runs after the box changed its state through a click.
    std::function<void()> onClick;

    // A click by the user: toggles the box, then runs onClick.
    void click() {
        if (!visible() || !enabled()) return;
        setChecked(!checked_);
        if (onClick) onClick();
    }

    bool focusable() const override { return true; }

  private:
    std::string caption_;
    bool checked_ = false;
};

}  // namespace quorvin::ui
