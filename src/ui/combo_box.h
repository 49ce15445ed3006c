#pragma once

#include <functional>
#include <string>
#include <vector>

#include "control.h"

namespace quorvin::ui {

// A drop-down list the user can only choose from.
class ComboBox : public Control {
  public:
    explicit ComboBox(std::string name) : Control(ControlKind::ComboBox, std::move(name)) {}

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items) {
        items_ = std::move(items);
        itemIndex_ = -1;
        notify(Property::Items);
    }

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index) {
        if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
        set(itemIndex_, index, Property::ItemIndex);
    }

    // The chosen item's text; the prompt when none is chosen.
    std::string text() const { return itemIndex_ < 0 ? prompt_ : items_[itemIndex_]; }
    // What the box shows while no item is chosen.
    const std::string& prompt() const { return prompt_; }
    void setPrompt(std::string prompt) { set(prompt_, std::move(prompt), Property::Text); }

    int dropDownCount() const { return dropDownCount_; }
    void setDropDownCount(int n) { set(dropDownCount_, n, Property::Items); }

    std::function<void()> onChange;

    // The user picks an item from the list.
    void choose(int index) {
        if (!visible() || !enabled() || index == itemIndex_) return;
        setItemIndex(index);
        if (onChange) onChange();
    }

    bool focusable() const override { return true; }

  private:
    std::vector<std::string> items_;
    std::string prompt_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
};

}  // namespace quorvin::ui
