#pragma once

#include <string_view>
#include <vector>

#include "records/score_store.h"

namespace quorvin::records {

enum class TextOrder {
    // Byte by byte. In GBK this puts the common Chinese characters in Pinyin order.
    Bytes,
    // Latin letters without regard to case, everything else byte by byte.
    LatinCaseFolded,
};

// <0, 0 or >0 as a sorts before, with or after b.
int compareText(std::string_view a, std::string_view b, TextOrder order);

// Sorts rows (table positions) by one field's text, as compareText orders them. Stable, so
// rows with equal texts keep their order; descending reverses the order of unequal texts only.
void sortRows(std::vector<int>& rows, const ScoreTable& table, ScoreField field, TextOrder order,
              bool ascending);

}  // namespace quorvin::records
