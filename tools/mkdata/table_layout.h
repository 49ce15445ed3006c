#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "mkdata/fixed_line.h"
#include "mkdata/gbk_encoder.h"
#include "mkdata/source_table.h"

namespace quorvin::mkdata {

// One row of a source table on its way into a line: its fields by column name, checked.
// Every accessor throws std::runtime_error naming the column when the field is unusable.
class SourceRecord {
  public:
    SourceRecord(const SourceTable& table, const SourceTable::Row& row, GbkEncoder& gbk)
        : table_(table), row_(row), gbk_(gbk) {}

    // The field in GBK; it must not be empty.
    std::string text(std::string_view column) const;
    // The same, or empty when the field is.
    std::string optionalText(std::string_view column) const;
    // Lower-case letters, at least one ("zhong", a Wubi code).
    std::string letters(std::string_view column) const;
    // The same, or empty when the field is.
    std::string optionalLetters(std::string_view column) const;
    // A positive decimal number, as written.
    std::string number(std::string_view column) const;
    // Syllables, each lower-case letters and a tone digit 1-5, separated by single spaces;
    // at least minCount and at most maxCount of them.
    std::string syllables(std::string_view column, std::size_t minCount,
                          std::size_t maxCount) const;

  private:
    std::string_view raw(std::string_view column) const { return table_.field(row_, column); }

    const SourceTable& table_;
    const SourceTable::Row& row_;
    GbkEncoder& gbk_;
};

// How one source table becomes one program folder file.
struct TableLayout {
    std::string_view source;  // in data-src/
    std::string_view output;  // in the program folder
    // The columns it reads; unused slots are empty.
    std::array<std::string_view, 6> columns;
    bool enciphered = true;
    // The entries the program keeps; more would be dropped unseen.
    std::size_t capacity = 0;
    // Lines shorter than this end the program's table.
    std::size_t minLength = 0;
    // The line of one row, without CR LF.
    void (*layOut)(const SourceRecord& record, FixedLine& line) = nullptr;
    // Completes the plaintext after the last line (nothing when absent).
    void (*finish)(std::string& plaintext, std::size_t rows) = nullptr;
};

std::span<const TableLayout> wubiLayouts();
std::span<const TableLayout> pinyinLayouts();

}  // namespace quorvin::mkdata
