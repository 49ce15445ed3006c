#include "data/raw_table.h"

#include <algorithm>

namespace quorvin::data {

RawTable::RawTable(std::vector<std::uint8_t> data, std::size_t recordSize, std::int64_t count)
    : buffer_(std::move(data)), recordSize_(recordSize), count_(count) {
    buffer_.push_back(0);
}

std::string_view RawTable::bytes() const {
    return {c_str(), buffer_.size() - 1};
}

std::string_view RawTable::record(std::int64_t i) const {
    const std::string_view data = bytes();
    if (i < 0) return {};
    const std::size_t first = static_cast<std::size_t>(i) * recordSize_;
    if (first >= data.size()) return {};
    return data.substr(first, std::min(recordSize_, data.size() - first));
}

void RawTable::release() {
    *this = RawTable();
}

}  // namespace quorvin::data
