#include "data/practice_tables.h"

namespace quorvin::data {

DataFileStatus PracticeTables::load(const std::filesystem::path& programFolder) {
    auto status = wubi.loadRawTables(programFolder);
    if (status == DataFileStatus::Ok) status = wubi.loadRadicals(programFolder);
    if (status == DataFileStatus::Ok) status = wubi.loadLineTables(programFolder);
    if (status == DataFileStatus::Ok) status = pinyin.load(programFolder);
    return status;
}

}  // namespace quorvin::data
