#include "data/fixed_columns.h"

#include <charconv>

namespace quorvin::data {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string_view trimField(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view columns(std::string_view line, std::size_t first, std::size_t last) {
    if (first < 1 || first > line.size() || last < first) return {};
    return line.substr(first - 1, last - first + 1);
}

std::string_view fromColumn(std::string_view line, std::size_t first) {
    return columns(line, first, line.size());
}

std::string field(std::string_view line, std::size_t first, std::size_t last) {
    return std::string(trimField(columns(line, first, last)));
}

std::string fieldFrom(std::string_view line, std::size_t first) {
    return std::string(trimField(fromColumn(line, first)));
}

std::int32_t decimalOr(std::string_view text, std::int32_t fallback) {
    // from_chars takes a minus but not a plus.
    if (text.starts_with('+') && !text.starts_with("+-")) text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return fallback;
    return value;
}

}  // namespace quorvin::data
