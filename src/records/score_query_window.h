#pragma once

#include <string>
#include <vector>

#include "records/score_query.h"
#include "records/score_store.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_view.h"

namespace quorvin::records {

// The score query window: lists the stored results filtered by user and typing type, sorts
// them by any column and deletes what the filter selects. Made afresh for each opening and
// shown modally. The sort direction belongs to the run: each column click flips it.
class TForm3 : public ui::Form {
  public:
    TForm3(ScoreTable& scores, const std::vector<std::string>& userNames, bool& sortAscending);

    ui::Label& Label1;
    ui::ComboBox& ComboBox1;
    ui::Label& Label2;
    ui::ComboBox& ComboBox2;
    ui::Button& Button1;
    ui::Button& Button2;
    ui::Button& Button3;
    ui::ListView& ListView1;

    static constexpr int ClientWidth = 809;
    static constexpr int ClientHeight = 461;

  private:
    void FormCreate(const std::vector<std::string>& userNames);
    void Button1Click();
    void Button3Click();
    void ListView1ColumnClick(int column);
    ScoreFilter filter() const;
    void showRows(std::vector<int> rows);

    ScoreTable& scores_;
    bool& sortAscending_;
    // The table positions the list shows, row by row.
    std::vector<int> rows_;
};

}  // namespace quorvin::records
