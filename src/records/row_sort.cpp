#include "records/row_sort.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "ui/gbk.h"

namespace quorvin::records {

namespace {

unsigned char foldLatin(unsigned char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// A byte as the comparison sees it: a Latin letter folded when asked, unless the byte is the
// second half of a double-byte character. Updates which the next byte is.
unsigned char compared(unsigned char byte, TextOrder order, bool& secondHalf) {
    const bool trail = secondHalf;
    secondHalf = !trail && ui::isGbkLeadByte(byte);
    return order == TextOrder::LatinCaseFolded && !trail ? foldLatin(byte) : byte;
}

// A row being sorted. Rows are ordered sixteen compared bytes at a time: first by the bytes
// at 0..15, then rows that tie on them by the bytes at 16..31, and so on. Each round reads
// the table once per row and then sorts small items, instead of reading the table at every
// comparison.
struct SortItem {
    std::uint64_t high = 0;  // the round's bytes 0..7, big-endian, zeros past the text
    std::uint64_t low = 0;   // the round's bytes 8..15
    const char* text = nullptr;
    int position = 0;
    std::uint8_t size = 0;    // the whole text's bytes (a field holds at most 100)
    std::uint8_t rest = 0;    // the text's bytes from the round's first on, 17 for "more than 16"
    bool secondHalf = false;  // whether the round's first byte is a character's second half
};

constexpr std::size_t kHalfBytes = 8;
constexpr std::size_t kRoundBytes = 2 * kHalfBytes;

std::uint64_t takeHalf(SortItem& item, std::size_t from, TextOrder order) {
    std::uint64_t half = 0;
    for (std::size_t i = from; i < from + kHalfBytes; ++i) {
        const unsigned char byte =
            i < item.size
                ? compared(static_cast<unsigned char>(item.text[i]), order, item.secondHalf)
                : 0;
        half = (half << 8) | byte;
    }
    return half;
}

void takeRound(SortItem& item, std::size_t from, TextOrder order) {
    const std::size_t left = item.size - std::min<std::size_t>(from, item.size);
    item.rest = static_cast<std::uint8_t>(std::min(left, kRoundBytes + 1));
    item.high = takeHalf(item, from, order);
    item.low = takeHalf(item, from + kHalfBytes, order);
}

// Bytes and length decide alike: a text that ends sorts before any longer one it starts.
bool before(const SortItem& a, const SortItem& b) {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    return a.rest < b.rest;
}
bool tied(const SortItem& a, const SortItem& b) {
    return a.high == b.high && a.low == b.low && a.rest == b.rest;
}

void sortRound(std::span<SortItem> items, std::size_t from, TextOrder order, bool ascending) {
    for (SortItem& item : items)
        takeRound(item, from, order);
    if (ascending)
        std::stable_sort(items.begin(), items.end(), before);
    else
        std::stable_sort(items.begin(), items.end(),
                         [](const SortItem& a, const SortItem& b) { return before(b, a); });
    // Rows tied on the round's bytes, with text beyond them, are ordered by what follows.
    for (std::size_t i = 0; i < items.size();) {
        std::size_t j = i + 1;
        while (j < items.size() && tied(items[i], items[j]))
            ++j;
        if (j - i > 1 && items[i].rest > kRoundBytes)
            sortRound(items.subspan(i, j - i), from + kRoundBytes, order, ascending);
        i = j;
    }
}

}  // namespace

int compareText(std::string_view a, std::string_view b, TextOrder order) {
    // Up to the first difference both texts have the same bytes, so they agree on which
    // bytes are second halves of characters.
    bool left = false;
    bool right = false;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = compared(static_cast<unsigned char>(a[i]), order, left);
        const unsigned char y = compared(static_cast<unsigned char>(b[i]), order, right);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void sortRows(std::vector<int>& rows, const ScoreTable& table, ScoreField field, TextOrder order,
              bool ascending) {
    std::vector<SortItem> items(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string_view text = table.field(rows[i], field);
        items[i].text = text.data();
        items[i].size = static_cast<std::uint8_t>(text.size());
        items[i].position = rows[i];
    }
    sortRound(items, 0, order, ascending);
    for (std::size_t i = 0; i < items.size(); ++i)
        rows[i] = items[i].position;
}

}  // namespace quorvin::records
