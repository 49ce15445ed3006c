#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/wubi_tables.h"
#include "ui/platform.h"

// The targets of the Wubi drills and their draws from the tables. Text is GBK.
namespace quorvin::drills {

struct orvcharsetzg {
    std::string Key;      // one upper-case letter
    std::string Radical;  // one double-byte glyph
};
struct orvcharset1 {
    std::string Code;  // one upper-case letter
    std::string Char;
};
struct orvcharset2 {
    std::string Code;  // two upper-case letters
    std::string Char;
    std::int32_t AnimationNo = 0;
};
struct orvcharset {
    std::array<std::string, 4> Codes;  // as stored, shortest first
    std::string Char;
    std::uint16_t CodeStep = 1;  // which code the next F-key shows, 1..4
    std::int32_t AnimationNo = 0;
};

// Each draw takes a uniform record or position of its table, whatever the other slots hold.
// Tables with nothing to draw are refused before a board is prepared (see hasDrillTargets).
orvcharsetzg drawRadical(const data::WubiTables& tables, ui::Platform& platform);
orvcharset1 drawLevel1(const data::WubiTables& tables, ui::Platform& platform);
orvcharset2 drawLevel2(const data::WubiTables& tables, ui::Platform& platform);
orvcharset drawWubiChar(const data::WubiTables& tables, ui::Platform& platform);
data::orvcharsetWBTwo drawWubiWord(const data::WubiTables& tables, ui::Platform& platform);

}  // namespace quorvin::drills
