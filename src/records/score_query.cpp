#include "records/score_query.h"

namespace quorvin::records {

bool ScoreFilter::matches(const ScoreTable& table, int position) const {
    const std::string_view user = table.field(position, ScoreField::User);
    if (user.empty()) return false;
    if (!user_.all() && user != user_.text) return false;
    return type_.all() || table.field(position, ScoreField::TypeName) == type_.text;
}

std::vector<int> queryScores(const ScoreTable& table, const ScoreFilter& filter) {
    std::vector<int> rows;
    for (int position = 1; position <= table.ScoreCount(); ++position)
        if (filter.matches(table, position)) rows.push_back(position);
    sortRows(rows, table, ScoreField::TypeName, TextOrder::Bytes, true);
    return rows;
}

void deleteScores(ScoreTable& table, const ScoreFilter& filter) {
    if (filter.everything()) {
        table.clearAll();
        return;
    }
    for (int position = 1; position <= table.ScoreCount(); ++position)
        if (filter.matches(table, position)) table.clear(position);
}

}  // namespace quorvin::records
