#pragma once

#include <functional>
#include <string>
#include <vector>

#include "control.h"

namespace quorvin::ui {

class RadioGroup : public Control {
  public:
    explicit RadioGroup(std::string name) : Control(ControlKind::RadioGroup, std::move(name)) {}

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { set(caption_, std::move(c), Property::Caption); }

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items) {
        set(items_, std::move(items), Property::Items);
        if (itemIndex_ >= static_cast<int>(items_.size())) setItemIndex(-1);
    }

    int columns() const { return columns_; }
    void setColumns(int c) { set(columns_, c, Property::Items); }

    // The chosen item, or -1 when none is chosen.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index) {
        if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
        set(itemIndex_, index, Property::ItemIndex);
    }

    std::function<void()> onClick;

    // The user picks an item: runs onClick when the choice changed.
    void choose(int index) {
        if (!visible() || !enabled() || index == itemIndex_) return;
        if (index < 0 || index >= static_cast<int>(items_.size())) return;
        setItemIndex(index);
        if (onClick) onClick();
    }

    bool focusable() const override { return true; }

  private:
    std::string caption_;
    std::vector<std::string> items_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

}  // namespace quorvin::ui
