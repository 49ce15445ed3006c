#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin::mkdata {

// A table of data-src/: UTF-8, tab-separated, a header line naming the columns, then one row a
// line. Readers find columns by name, so a table may gain columns without breaking them.
class SourceTable {
  public:
    struct Row {
        // The row's line in the file; the header is line 1.
        std::size_t line = 0;
        std::vector<std::string> fields;
    };

    // Throws std::runtime_error naming the file, and the line where a row's field count
    // differs from the header's.
    static SourceTable read(const std::filesystem::path& file);

    // The file name, e.g. "wbOne.tsv".
    const std::string& name() const { return name_; }
    const std::vector<Row>& rows() const { return rows_; }

    // Throws naming the table when one of the columns is missing.
    void require(std::initializer_list<std::string_view> columns) const;
    // The field of the named column; throws when the table has no such column.
    std::string_view field(const Row& row, std::string_view column) const;

  private:
    std::string name_;
    std::vector<std::string> header_;
    std::vector<Row> rows_;
};

}  // namespace quorvin::mkdata
