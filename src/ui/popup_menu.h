#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quorvin::ui {

// A pop-up menu; the platform shows it and runs the chosen item's handler.
class PopupMenu {
  public:
    struct Item {
        std::string name;
        std::string caption;  // GBK; "-" draws a separator
        std::function<void()> onClick;
    };

    explicit PopupMenu(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    std::vector<Item>& items() { return items_; }
    const std::vector<Item>& items() const { return items_; }
    Item& add(std::string name, std::string caption) {
        items_.push_back({std::move(name), std::move(caption), nullptr});
        return items_.back();
    }
    // Runs the handler of the item with this name, as a choice from the shown menu does.
    bool choose(const std::string& itemName) {
        for (auto& item : items_) {
            if (item.name == itemName) {
                if (item.onClick) item.onClick();
                return true;
            }
        }
        return false;
    }

  private:
    std::string name_;
    std::vector<Item> items_;
};

}  // namespace quorvin::ui
