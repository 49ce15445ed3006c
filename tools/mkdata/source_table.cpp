#include "mkdata/source_table.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace quorvin::mkdata {

namespace {

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.emplace_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

}  // namespace

SourceTable SourceTable::read(const std::filesystem::path& file) {
    SourceTable table;
    table.name_ = file.filename().string();
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(table.name_ + ": cannot open " + file.string());

    std::string line;
    std::size_t number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (number == 1) {
            table.header_ = splitTabs(line);
            continue;
        }
        // Only a blank last line is harmless; a blank row inside would shift every position.
        if (line.empty() && in.peek() == std::ifstream::traits_type::eof()) break;
        Row row{number, splitTabs(line)};
        if (row.fields.size() != table.header_.size()) {
            throw std::runtime_error(table.name_ + " line " + std::to_string(number) + ": " +
                                     std::to_string(row.fields.size()) +
                                     " fields, the header has " +
                                     std::to_string(table.header_.size()));
        }
        table.rows_.push_back(std::move(row));
    }
    if (in.bad() || number == 0) throw std::runtime_error(table.name_ + ": cannot read a header");
    return table;
}

void SourceTable::require(std::initializer_list<std::string_view> columns) const {
    for (std::string_view column : columns) {
        if (std::find(header_.begin(), header_.end(), column) == header_.end())
            throw std::runtime_error(name_ + ": no column \"" + std::string(column) + "\"");
    }
}

std::string_view SourceTable::field(const Row& row, std::string_view column) const {
    require({column});
    const auto at = std::find(header_.begin(), header_.end(), column);
    return row.fields[static_cast<std::size_t>(at - header_.begin())];
}

}  // namespace quorvin::mkdata
