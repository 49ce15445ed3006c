#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

#include "data/data_files.h"

namespace quorvin::data {

// A table of entries at positions 1 to End - 1, filled once from the lines of a data file.
// Every other position, 0 and End included, reads as an empty entry.
template <typename Entry>
class LineTable {
  public:
    explicit LineTable(int capacity) : capacity_(capacity) {}

    int capacity() const { return capacity_; }
    // One past the last entry: 1 for an empty table.
    int End() const { return static_cast<int>(entries_.size()) + 1; }
    bool full() const { return static_cast<int>(entries_.size()) >= capacity_; }

    const Entry& operator[](int position) const {
        if (position < 1 || position >= End()) return empty_;
        return entries_[static_cast<std::size_t>(position) - 1];
    }

    void clear() { entries_.clear(); }
    // Ignored once the table is full.
    void append(Entry entry) {
        if (!full()) entries_.push_back(std::move(entry));
    }

  private:
    int capacity_;
    std::vector<Entry> entries_;
    Entry empty_{};
};

// Loads a line table from its enciphered file through the temporary file: each line of at
// least minLength bytes becomes the next entry, until the first shorter line or a full table.
template <typename Entry, typename Parse>
DataFileStatus loadLineTable(const std::filesystem::path& folder, std::string_view dataFile,
                             std::size_t minLength, Parse parse, LineTable<Entry>& table) {
    table.clear();
    return readThroughTempFile(folder, dataFile, [&](std::string_view line) {
        if (line.size() < minLength || table.full()) return false;
        table.append(parse(line));
        return true;
    });
}

}  // namespace quorvin::data
