#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvin::data {

// A table kept as the bytes of its file, located by record number, never parsed. The buffer
// holds one zero byte after the data, so readers that stop at a zero byte stop there.
class RawTable {
  public:
    RawTable() = default;
    // count: how many records the drills may pick, 0 to count - 1. It may be less than the
    // records present, and is below zero for an empty radical table.
    RawTable(std::vector<std::uint8_t> data, std::size_t recordSize, std::int64_t count);

    std::int64_t count() const { return count_; }
    std::size_t recordSize() const { return recordSize_; }
    // The data, without the terminating zero byte.
    std::string_view bytes() const;
    // Zero-terminated.
    const char* c_str() const { return reinterpret_cast<const char*>(buffer_.data()); }
    // Record i (from 0), as many of its bytes as the data holds.
    std::string_view record(std::int64_t i) const;

    // Shutdown gives the memory back; the table is then empty with count 0.
    void release();

  private:
    std::vector<std::uint8_t> buffer_ = {0};
    std::size_t recordSize_ = 1;
    std::int64_t count_ = 0;
};

}  // namespace quorvin::data
