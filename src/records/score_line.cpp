#include "records/score_line.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <bit>
#include <cstdint>
#include <cstring>

namespace quorvin::records {

namespace {

constexpr std::size_t kWords = EntryLineReadable / 64;

// Every column lies within two neighbouring words of the mask.
constexpr bool columnsFitTwoWords() {
    std::size_t from = 0;
    for (const std::size_t width : ScoreFieldWidths) {
        if (from % 64 + width > 128 || from / 64 + 1 >= kWords) return false;
        from += width;
    }
    return true;
}
static_assert(columnsFitTwoWords());

// Which bytes of a line are text rather than padding (bytes up to 32): bit i stands for byte
// i. Trimming a column then takes a few bit operations, not a walk over its spaces, which are
// most of what a line holds.
class TextMask {
  public:
    explicit TextMask(std::string_view line) {
        const char* bytes = line.data();
#if defined(__SSE2__)
        // An unsigned byte is above 32 when, its top bit flipped, it is above 32 - 128 signed.
        const __m128i flip = _mm_set1_epi8(static_cast<char>(0x80));
        const __m128i limit = _mm_set1_epi8(32 - 128);
        for (std::size_t w = 0; w < kWords; ++w) {
            std::uint64_t word = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                const __m128i v =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + w * 64 + k * 16));
                const auto text = static_cast<std::uint16_t>(
                    _mm_movemask_epi8(_mm_cmpgt_epi8(_mm_xor_si128(v, flip), limit)));
                word |= static_cast<std::uint64_t>(text) << (k * 16);
            }
            words_[w] = word;
        }
#else
        for (std::size_t i = 0; i < kWords * 64; ++i)
            if (static_cast<unsigned char>(bytes[i]) > 32)
                words_[i / 64] |= std::uint64_t{1} << (i % 64);
#endif
    }

    // Bytes from..from+length-1 of one column of the line, trimmed of padding.
    std::string_view column(std::string_view line, std::size_t from, std::size_t length) const {
        if (length == 0) return {};
        // The column's bits, shifted down to bit 0 of a 128-bit pair.
        const std::size_t w = from / 64;
        const std::size_t shift = from % 64;
        std::uint64_t low = words_[w] >> shift;
        std::uint64_t high = words_[w + 1] >> shift;
        if (shift != 0) low |= words_[w + 1] << (64 - shift);
        if (length < 64) {
            low &= (std::uint64_t{1} << length) - 1;
            high = 0;
        } else if (length < 128) {
            high &= (std::uint64_t{1} << (length - 64)) - 1;
        }
        if ((low | high) == 0) return {};
        const std::size_t first = low != 0 ? static_cast<std::size_t>(std::countr_zero(low))
                                           : 64 + static_cast<std::size_t>(std::countr_zero(high));
        const std::size_t last = high != 0 ? 127 - static_cast<std::size_t>(std::countl_zero(high))
                                           : 63 - static_cast<std::size_t>(std::countl_zero(low));
        return line.substr(from + first, last + 1 - first);
    }

  private:
    std::array<std::uint64_t, kWords> words_;
};

}  // namespace

void readEntryLine(std::string_view line, std::array<std::string_view, ScoreFieldCount>& fields) {
    const TextMask mask(line);
    std::size_t from = 0;
    for (std::size_t f = 0; f < ScoreFieldCount; ++f) {
        const std::size_t present = from < line.size() ? line.size() - from : 0;
        fields[f] = mask.column(line, from, std::min(ScoreFieldWidths[f], present));
        from += ScoreFieldWidths[f];
    }
}

void writeEntryLine(BlockWriter& out, const ScoreTable& table, int position) {
    const std::array<std::string_view, ScoreFieldCount> fields = table.fields(position);
    // The usual line: every field within its width, laid into a line of spaces.
    char line[ScoreLineWidth + 2];
    std::memset(line, ' ', ScoreLineWidth);
    std::size_t from = 0;
    for (std::size_t f = 0; f < ScoreFieldCount; ++f) {
        if (fields[f].size() > ScoreFieldWidths[f]) {
            // A longer field is written whole, shifting the columns after it.
            for (std::size_t g = 0; g < ScoreFieldCount; ++g) {
                out.append(fields[g]);
                if (fields[g].size() < ScoreFieldWidths[g])
                    out.appendSpaces(ScoreFieldWidths[g] - fields[g].size());
            }
            out.append("\r\n");
            return;
        }
        if (!fields[f].empty()) std::memcpy(line + from, fields[f].data(), fields[f].size());
        from += ScoreFieldWidths[f];
    }
    line[ScoreLineWidth] = '\r';
    line[ScoreLineWidth + 1] = '\n';
    out.append({line, sizeof line});
}

}  // namespace quorvin::records
