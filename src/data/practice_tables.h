#pragma once

#include <filesystem>

#include "data/data_files.h"
#include "data/pinyin_tables.h"
#include "data/wubi_tables.h"

namespace quorvin::data {

// Every practice table of a run: filled once at start-up, then only read (the hint workers
// read them from their own thread without locks).
struct PracticeTables {
    WubiTables wubi;
    PinyinTables pinyin;

    // The start-up steps in their order: wb1.dat and wb2.dat whole, wbzg.dat deciphered in
    // memory, then the eight line tables, Wubi first. Stops at the first file that fails.
    DataFileStatus load(const std::filesystem::path& programFolder);
};

}  // namespace quorvin::data
