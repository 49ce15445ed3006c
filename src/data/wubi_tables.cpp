#include "data/wubi_tables.h"

#include "data/fixed_columns.h"

namespace quorvin::data {

namespace {

std::array<std::string, 4> codesOf(std::string_view line) {
    return {field(line, 1, 4), field(line, 5, 8), field(line, 9, 12), field(line, 13, 16)};
}

DataFileStatus loadRawTable(const std::filesystem::path& file, std::size_t recordSize,
                            RawTable& table) {
    auto bytes = readFileBytes(file);
    if (!bytes) return DataFileStatus::Unreadable;
    const auto count = static_cast<std::int64_t>(bytes->size() / recordSize);
    table = RawTable(std::move(*bytes), recordSize, count);
    return DataFileStatus::Ok;
}

}  // namespace

orvcharsetWBOne parseWbOneLine(std::string_view line) {
    return {codesOf(line), field(line, 24, 28)};
}

orvcharsetWBs parseWbsLine(std::string_view line) {
    return {codesOf(line), field(line, 24, 28), decimalOr(trimField(fromColumn(line, 28)), 1)};
}

orvcharsetWBTwo parseWbTwoLine(std::string_view line) {
    return {field(line, 1, 12), fieldFrom(line, 13)};
}

orvcharsetWBMulti parseWbMultiLine(std::string_view line) {
    return {field(line, 1, 12), fieldFrom(line, 13)};
}

RawTable makeWbzgTable(std::vector<std::uint8_t> plaintext) {
    const auto count = static_cast<std::int64_t>(plaintext.size() / kWbzgRecordSize) - 1;
    return RawTable(std::move(plaintext), kWbzgRecordSize, count);
}

DataFileStatus WubiTables::loadRawTables(const std::filesystem::path& folder) {
    const auto status = loadRawTable(folder / kWb1File, kWb1RecordSize, Wb1Table);
    if (status != DataFileStatus::Ok) return status;
    return loadRawTable(folder / kWb2File, kWb2RecordSize, Wb2Table);
}

DataFileStatus WubiTables::loadRadicals(const std::filesystem::path& folder) {
    auto plaintext = decipherFile(folder / kWbzgFile);
    if (!plaintext) return DataFileStatus::Unreadable;
    WbzgTable = makeWbzgTable(std::move(*plaintext));
    return DataFileStatus::Ok;
}

DataFileStatus WubiTables::loadLineTables(const std::filesystem::path& folder) {
    auto status = loadLineTable(folder, kWbOneFile, kWbOneMinLine, parseWbOneLine, WbOneTable);
    if (status == DataFileStatus::Ok)
        status = loadLineTable(folder, kWbsFile, kWbsMinLine, parseWbsLine, WbsTable);
    if (status == DataFileStatus::Ok)
        status = loadLineTable(folder, kWbTwoFile, kWbTwoMinLine, parseWbTwoLine, WbTwoTable);
    if (status == DataFileStatus::Ok)
        status =
            loadLineTable(folder, kWbMultiFile, kWbMultiMinLine, parseWbMultiLine, WbMultiTable);
    return status;
}

void WubiTables::releaseRawTables() {
    Wb1Table.release();
    Wb2Table.release();
    WbzgTable.release();
}

}  // namespace quorvin::data
