#include "drills/wubi_targets.h"

#include "data/fixed_columns.h"
#include "drills/drill_input.h"
#include "drills/table_draw.h"

namespace quorvin::drills {

namespace {

std::string upper(std::string_view text) {
    return submittedCode(text, LetterCase::Upper);
}

}  // namespace

orvcharsetzg drawRadical(const data::WubiTables& tables, ui::Platform& platform) {
    const std::string_view record = drawRecord(tables.WbzgTable, platform);
    return {.Key = upper(data::columns(record, 3, 3)),
            .Radical = std::string(data::columns(record, 1, 2))};
}

orvcharset1 drawLevel1(const data::WubiTables& tables, ui::Platform& platform) {
    const std::string_view record = drawRecord(tables.Wb1Table, platform);
    return {.Code = upper(data::columns(record, 3, 3)),
            .Char = std::string(data::columns(record, 1, 2))};
}

orvcharset2 drawLevel2(const data::WubiTables& tables, ui::Platform& platform) {
    const std::string_view record = drawRecord(tables.Wb2Table, platform);
    return {.Code = upper(data::columns(record, 3, 4)),
            .Char = std::string(data::columns(record, 1, 2)),
            .AnimationNo = data::decimalOr(data::trimField(data::columns(record, 9, 16)), 0)};
}

orvcharset drawWubiChar(const data::WubiTables& tables, ui::Platform& platform) {
    const data::orvcharsetWBs& entry = drawPosition(tables.WbsTable, platform).first;
    return {
        .Codes = entry.Codes, .Char = entry.Char, .CodeStep = 1, .AnimationNo = entry.AnimationNo};
}

data::orvcharsetWBTwo drawWubiWord(const data::WubiTables& tables, ui::Platform& platform) {
    return drawPosition(tables.WbTwoTable, platform).first;
}

}  // namespace quorvin::drills
