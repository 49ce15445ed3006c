#pragma once

#include <string>
#include <vector>

#include "records/row_sort.h"
#include "records/score_store.h"

namespace quorvin::records {

// What one filter box of the query window stands at: its first item means "all"; any other
// state filters by the box's text, whatever was chosen or typed.
struct FilterBox {
    int itemIndex = 0;
    std::string text;
    bool all() const { return itemIndex == 0; }
};

// The selection rule of the query and of the delete: by user and by typing type, exact byte
// for byte. Deleted entries never match.
class ScoreFilter {
  public:
    ScoreFilter(FilterBox user, FilterBox type) : user_(std::move(user)), type_(std::move(type)) {}

    bool matches(const ScoreTable& table, int position) const;
    // Both boxes at "all": every entry.
    bool everything() const { return user_.all() && type_.all(); }

  private:
    FilterBox user_;
    FilterBox type_;
};

// The positions of the matching entries, in ascending order of TypeName; entries with equal
// names keep their order in the table.
std::vector<int> queryScores(const ScoreTable& table, const ScoreFilter& filter);

// Clears every matching entry; when the filter takes everything, also empties the table.
void deleteScores(ScoreTable& table, const ScoreFilter& filter);

}  // namespace quorvin::records
