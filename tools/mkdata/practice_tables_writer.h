#pragma once

#include <filesystem>

namespace quorvin::mkdata {

// The eleven practice tables, wb1.dat to PYMulti.dat, from the tables of sourceDir (data-src/)
// into outDir: GBK, each field in its fixed columns, all but wb1.dat and wb2.dat enciphered.
// Every table is made before any file is written, and each file replaces its predecessor
// whole. A row that does not fit fails the build with a std::runtime_error naming its table
// and line (all such rows, up to a limit), and then nothing is written.
void buildPracticeTables(const std::filesystem::path& sourceDir,
                         const std::filesystem::path& outDir);

}  // namespace quorvin::mkdata
