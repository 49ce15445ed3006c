#pragma once

#include <string_view>

#include "data/line_table.h"
#include "data/raw_table.h"
#include "ui/platform.h"

// Uniform draws from the practice tables, for the drills' targets.
namespace quorvin::drills {

// A record 0..count - 1 of a raw table; nothing from a table without records.
inline std::string_view drawRecord(const data::RawTable& table, ui::Platform& platform) {
    if (table.count() <= 0) return {};
    return table.record(platform.random(static_cast<int>(table.count())));
}

// A position 1..End - 1 of a line table, and that position; the empty entry at 0 from an
// empty table.
template <typename Entry>
std::pair<const Entry&, int> drawPosition(const data::LineTable<Entry>& table,
                                          ui::Platform& platform) {
    const int filled = table.End() - 1;
    const int position = filled > 0 ? 1 + platform.random(filled) : 0;
    return {table[position], position};
}

}  // namespace quorvin::drills
