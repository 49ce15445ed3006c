#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/data_files.h"
#include "data/line_table.h"
#include "data/raw_table.h"

// The Wubi-86 practice tables. Text is GBK; columns count bytes from 1; every field of a line
// table is trimmed of bytes up to 32. Codes[0] holds the first code.
namespace quorvin::data {

inline constexpr std::string_view kWb1File = "wb1.dat";
inline constexpr std::string_view kWb2File = "wb2.dat";
inline constexpr std::string_view kWbzgFile = "wbzg.dat";
inline constexpr std::string_view kWbOneFile = "wbOne.dat";
inline constexpr std::string_view kWbsFile = "wbs.dat";
inline constexpr std::string_view kWbTwoFile = "wbTwo.dat";
inline constexpr std::string_view kWbMultiFile = "wbMulti.dat";

// Raw records: wb1 and wbzg "CCk  " (character or radical, key); wb2 "CCkk    nnnnnnnn  "
// (character, code, AnimationNo as decimal text in bytes 9-16).
inline constexpr std::size_t kWb1RecordSize = 5;
inline constexpr std::size_t kWb2RecordSize = 18;
inline constexpr std::size_t kWbzgRecordSize = 5;

// Line: codes in 1-4, 5-8, 9-12, 13-16; Char in 24-28. At least 16 bytes.
struct orvcharsetWBOne {
    std::array<std::string, 4> Codes;
    std::string Char;
};
// Line: as orvcharsetWBOne, and AnimationNo from column 28. At least 24 bytes.
struct orvcharsetWBs {
    std::array<std::string, 4> Codes;
    std::string Char;
    std::int32_t AnimationNo = 0;
};
// Line: Code in 1-12, Word from 13. At least 12 bytes.
struct orvcharsetWBTwo {
    std::string Code;
    std::string Word;
};
// Line: Code in 1-12, Phrase from 13. At least 12 bytes.
struct orvcharsetWBMulti {
    std::string Code;
    std::string Phrase;
};

inline constexpr std::size_t kWbOneMinLine = 16;
inline constexpr std::size_t kWbsMinLine = 24;
inline constexpr std::size_t kWbTwoMinLine = 12;
inline constexpr std::size_t kWbMultiMinLine = 12;

orvcharsetWBOne parseWbOneLine(std::string_view line);
orvcharsetWBs parseWbsLine(std::string_view line);
orvcharsetWBTwo parseWbTwoLine(std::string_view line);
orvcharsetWBMulti parseWbMultiLine(std::string_view line);

// The radical table from the plaintext of wbzg.dat. Its count is one less than the records
// that fit, so the last whole record is only reachable when 5 to 7 bytes follow it.
RawTable makeWbzgTable(std::vector<std::uint8_t> plaintext);

struct WubiTables {
    // Counts Wb1Count, Wb2Count, WbzgCount are the tables' count().
    RawTable Wb1Table;
    RawTable Wb2Table;
    RawTable WbzgTable;
    // End values WbOneEnd ... WbMultiEnd are the tables' End(). A WbOneTable position is also
    // the number of its character's key-stroke animation.
    LineTable<orvcharsetWBOne> WbOneTable{7000};
    LineTable<orvcharsetWBs> WbsTable{3000};
    LineTable<orvcharsetWBTwo> WbTwoTable{12000};
    LineTable<orvcharsetWBMulti> WbMultiTable{1500};

    // wb1.dat and wb2.dat whole; the first that fails stops the load.
    DataFileStatus loadRawTables(const std::filesystem::path& folder);
    // wbzg.dat, deciphered in memory.
    DataFileStatus loadRadicals(const std::filesystem::path& folder);
    // wbOne.dat, wbs.dat, wbTwo.dat, wbMulti.dat in this order, through temporary files.
    DataFileStatus loadLineTables(const std::filesystem::path& folder);

    void releaseRawTables();
};

}  // namespace quorvin::data
