#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fields of fixed-column text lines. Columns count bytes from 1; a range running past the end
// of the line takes the bytes present, one starting past it takes nothing.
namespace quorvin::data {

// Without leading and trailing bytes up to 32 (spaces and control characters).
std::string_view trimField(std::string_view text);

// Bytes first..last of the line, untrimmed.
std::string_view columns(std::string_view line, std::size_t first, std::size_t last);
// Bytes first.. to the end of the line, untrimmed.
std::string_view fromColumn(std::string_view line, std::size_t first);

// trimField(columns(...)) and trimField(fromColumn(...)) as owned strings.
std::string field(std::string_view line, std::size_t first, std::size_t last);
std::string fieldFrom(std::string_view line, std::size_t first);

// A signed 32-bit decimal (optional sign, digits only, in range), or fallback for anything else.
std::int32_t decimalOr(std::string_view text, std::int32_t fallback);

}  // namespace quorvin::data
