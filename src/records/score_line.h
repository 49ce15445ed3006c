#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "records/block_io.h"
#include "records/score_store.h"

namespace quorvin::records {

// Bytes that must be readable from the start of a line given to readEntryLine, whatever the
// line's length.
inline constexpr std::size_t EntryLineReadable = 384;
static_assert(EntryLineReadable <= LineReader::ReadAhead);

// The nine columns of an entry line, each trimmed of leading and trailing bytes up to 32
// (spaces and control characters). A column past the line's end takes the bytes present.
// The views point into the line.
void readEntryLine(std::string_view line, std::array<std::string_view, ScoreFieldCount>& fields);

// Appends a table's entry as its line: each field left-aligned and padded with spaces to its
// width (a longer one is written whole), then CR LF.
void writeEntryLine(BlockWriter& out, const ScoreTable& table, int position);

}  // namespace quorvin::records
