#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/data_files.h"
#include "data/line_table.h"

// The Pinyin practice tables. Text is GBK; columns count bytes from 1; fields are trimmed of
// bytes up to 32. Sound names are "MyPyWAV" followed by the syllable. Arrays count from 0.
namespace quorvin::data {

inline constexpr std::string_view kPYsFile = "PYs.dat";
inline constexpr std::string_view kPYOneFile = "PYOne.dat";
inline constexpr std::string_view kPYTwoFile = "PYTwo.dat";
inline constexpr std::string_view kPYMultiFile = "PYMulti.dat";

inline constexpr std::string_view kSyllableSoundPrefix = "MyPyWAV";

// Line of length L: Reading in 1-12, Char in 12-17, Spelling in 16 to L - 1, Sound from 16
// (so the last byte, the tone digit, belongs to the sound only). At least 16 bytes.
struct orvcharsetPYs {
    std::string Spelling;
    std::string Char;
    std::string Reading;
    std::string Sound;
};
using orvcharsetPYOne = orvcharsetPYs;

// Line: Spelling in 1-12, Word in 13-18, Reading in 18-37, the two syllables from 40 split at
// the first space. At least 40 bytes.
struct orvcharsetpyTwo {
    std::string Spelling;
    std::string Word;
    std::string Reading;
    std::array<std::string, 2> Sounds;
};

inline constexpr std::size_t kMaxPhraseSyllables = 10;

// Line: Spelling in 1-12, Phrase in 13-32, Reading in 32-81, syllables from 85 separated by
// single spaces; sounds past the tenth are dropped. At least 40 bytes.
struct orvcharsetpyMulti {
    std::string Spelling;
    std::string Phrase;
    std::string Reading;
    std::array<std::string, kMaxPhraseSyllables> Sounds;
};

// The alternative readings of one polyphonic character of PYsTable.
struct orvcharsetpy2 {
    std::array<std::string, 3> Spellings;
    std::array<std::string, 3> Readings;
    std::array<std::string, 3> Sounds;
};

inline constexpr std::size_t kPYsMinLine = 16;
inline constexpr std::size_t kPYOneMinLine = 16;
inline constexpr std::size_t kPYTwoMinLine = 40;
inline constexpr std::size_t kPYMultiMinLine = 40;

orvcharsetPYs parsePYsLine(std::string_view line);
orvcharsetpyTwo parsePYTwoLine(std::string_view line);
orvcharsetpyMulti parsePYMultiLine(std::string_view line);

// Groups 1 to 19 of PYsTable positions: 1-17 are pairs (2g - 1, 2g), 18 is 35-37, 19 is
// 38-40, whatever PYsEnd is; a missing member gives empty strings.
class PYsGroups {
  public:
    static constexpr int kCount = 19;

    void build(const LineTable<orvcharsetPYs>& pys);
    // Group g, 1 to kCount; any other number gives an empty group.
    const orvcharsetpy2& operator[](int g) const;
    // The group that holds PYsTable position p, or 0 for a position in none.
    static int groupHolding(int position);
    // How many readings group g has: 2 or 3, fewer when the table ran short.
    int readingCount(int g) const;

  private:
    std::array<orvcharsetpy2, kCount> groups_{};
    orvcharsetpy2 empty_{};
};

struct PinyinTables {
    // End values PYsEnd ... PYMultiEnd are the tables' End().
    LineTable<orvcharsetPYs> PYsTable{3300};
    PYsGroups PYsGroupTable;
    LineTable<orvcharsetPYOne> PYOneTable{8000};
    LineTable<orvcharsetpyTwo> PYTwoTable{12000};
    LineTable<orvcharsetpyMulti> PYMultiTable{1500};

    // PYs.dat (then the groups), PYOne.dat, PYTwo.dat, PYMulti.dat, through temporary files.
    DataFileStatus load(const std::filesystem::path& folder);
};

}  // namespace quorvin::data
