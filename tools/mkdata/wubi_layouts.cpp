#include <limits>
#include <stdexcept>

#include "mkdata/table_layout.h"

namespace quorvin::mkdata {

namespace {

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

// Raw records, read by byte position: "CCk" in wb1.dat and wbzg.dat, "CCkk    nnnnnnnn" with
// the animation number in bytes 9-16 in wb2.dat; CR LF completes each record.
void wb1Record(const SourceRecord& record, FixedLine& line) {
    line.exact("char", record.text("char"), 1, 2).exact("code", record.letters("code"), 3, 3);
}

void wb2Record(const SourceRecord& record, FixedLine& line) {
    line.exact("char", record.text("char"), 1, 2)
        .exact("code", record.letters("code"), 3, 4)
        .right("animation", record.number("animation"), 9, 16);
}

void wbzgRecord(const SourceRecord& record, FixedLine& line) {
    line.exact("radical", record.text("radical"), 1, 2).exact("key", record.letters("key"), 3, 3);
}

// The loaders read the character from columns 24-28; wbs.dat keeps 26-28 blank because its
// animation number is read from column 28 on.
void codes(const SourceRecord& record, FixedLine& line) {
    line.left("code1", record.letters("code1"), 1, 4)
        .left("code2", record.optionalLetters("code2"), 5, 8)
        .left("code3", record.optionalLetters("code3"), 9, 12)
        .left("code4", record.optionalLetters("code4"), 13, 16);
}

void wbOneLine(const SourceRecord& record, FixedLine& line) {
    codes(record, line);
    line.exact("char", record.text("char"), 24, 25);
}

void wbsLine(const SourceRecord& record, FixedLine& line) {
    codes(record, line);
    line.exact("char", record.text("char"), 24, 25)
        .rest("animation", record.number("animation"), 29);
}

void wbTwoLine(const SourceRecord& record, FixedLine& line) {
    line.left("code", record.letters("code"), 1, 12).rest("word", record.text("word"), 13);
}

void wbMultiLine(const SourceRecord& record, FixedLine& line) {
    line.left("code", record.letters("code"), 1, 12).rest("phrase", record.text("phrase"), 13);
}

// WbzgCount is (plaintext length div 5) - 1, and the cipher pads the plaintext with zeros to
// whole 8-byte blocks. Only 5 to 9 bytes after the records make the count the number of
// radicals: fewer hide the last radical, more make the filler a radical of its own.
void radicalFiller(std::string& plaintext, std::size_t rows) {
    const std::size_t records = plaintext.size();
    for (std::size_t padded = (records + 7) / 8 * 8; padded <= records + 9; padded += 8) {
        if (padded - records >= 5) {
            plaintext.resize(padded, '\0');
            return;
        }
    }
    throw std::runtime_error(std::to_string(rows) +
                             " radicals cannot all be drawn: the count must leave 0, 2, 3, 5 " +
                             "or 7 when divided by 8 (" + std::to_string(rows) + " leaves " +
                             std::to_string(rows % 8) + "), so add or drop radicals");
}

constexpr TableLayout kWubiLayouts[] = {
    {"wb1.tsv", "wb1.dat", {"char", "code"}, false, kUnlimited, 3, wb1Record, nullptr},
    {"wb2.tsv",
     "wb2.dat",
     {"char", "code", "animation"},
     false,
     kUnlimited,
     16,
     wb2Record,
     nullptr},
    {"wbzg.tsv", "wbzg.dat", {"key", "radical"}, true, kUnlimited, 3, wbzgRecord, radicalFiller},
    {"wbOne.tsv",
     "wbOne.dat",
     {"char", "code1", "code2", "code3", "code4"},
     true,
     7000,
     16,
     wbOneLine,
     nullptr},
    {"wbs.tsv",
     "wbs.dat",
     {"char", "code1", "code2", "code3", "code4", "animation"},
     true,
     3000,
     24,
     wbsLine,
     nullptr},
    {"wbTwo.tsv", "wbTwo.dat", {"word", "code"}, true, 12000, 12, wbTwoLine, nullptr},
    {"wbMulti.tsv", "wbMulti.dat", {"phrase", "code"}, true, 1500, 12, wbMultiLine, nullptr},
};

}  // namespace

std::span<const TableLayout> wubiLayouts() {
    return kWubiLayouts;
}

}  // namespace quorvin::mkdata
