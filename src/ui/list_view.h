#pragma once

#include <functional>
#include <string>
#include <vector>

#include "control.h"

namespace quorvin::ui {

// A read-only report list. Rows are not stored here: the owner says how many there are and
// supplies each cell on demand, so a list of a million results costs nothing until shown.
class ListView : public Control {
  public:
    struct Column {
        std::string caption;
        int width = 0;
        bool operator==(const Column&) const = default;
    };
    using CellSource = std::function<std::string(int row, int column)>;

    explicit ListView(std::string name) : Control(ControlKind::ListView, std::move(name)) {}

    const std::vector<Column>& columns() const { return columns_; }
    void setColumns(std::vector<Column> c) { set(columns_, std::move(c), Property::Columns); }

    int rowCount() const { return rowCount_; }
    std::string cell(int row, int column) const {
        return cells_ ? cells_(row, column) : std::string();
    }
    // Replaces the rows; call again (or refresh) when the source's content changed.
    void setRows(int count, CellSource cells) {
        rowCount_ = count;
        cells_ = std::move(cells);
        selected_ = -1;
        notify(Property::Rows);
    }
    void refresh() { notify(Property::Rows); }

    int selected() const { return selected_; }
    void setSelected(int row) {
        if (row < -1 || row >= rowCount_) row = -1;
        set(selected_, row, Property::ItemIndex);
    }

    std::function<void(int column)> onColumnClick;
    void clickColumn(int column) {
        if (enabled() && onColumnClick) onColumnClick(column);
    }

    bool focusable() const override { return true; }

  private:
    std::vector<Column> columns_;
    int rowCount_ = 0;
    CellSource cells_;
    int selected_ = -1;
};

}  // namespace quorvin::ui
