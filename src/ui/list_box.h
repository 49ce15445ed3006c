#pragma once

#include <string>
#include <vector>

#include "control.h"

namespace quorvin::ui {

class ListBox : public Control {
  public:
    explicit ListBox(std::string name) : Control(ControlKind::ListBox, std::move(name)) {}

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items) {
        items_ = std::move(items);
        itemIndex_ = -1;
        notify(Property::Items);
    }
    void addItem(std::string item) {
        items_.push_back(std::move(item));
        notify(Property::Items);
    }
    void removeItem(int index) {
        if (index < 0 || index >= static_cast<int>(items_.size())) return;
        items_.erase(items_.begin() + index);
        if (itemIndex_ >= static_cast<int>(items_.size()) || itemIndex_ == index) itemIndex_ = -1;
        notify(Property::Items);
    }

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index) {
        if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
        set(itemIndex_, index, Property::ItemIndex);
    }

    bool focusable() const override { return true; }

  private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace quorvin::ui
