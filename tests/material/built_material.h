#pragma once

#include <iconv.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/practice_tables.h"
#include "program_folder.h"

// The practice tables of the built program folder, for checks that stand apart from the data
// builder: what the program's loaders make of them, and their bytes.
namespace quorvin::material {

// The eleven files in start-up order; the first two are plain.
inline const std::vector<std::string> kTableFiles = {
    "wb1.dat",     "wb2.dat", "wbzg.dat",  "wbOne.dat", "wbs.dat",    "wbTwo.dat",
    "wbMulti.dat", "PYs.dat", "PYOne.dat", "PYTwo.dat", "PYMulti.dat"};

class BuiltMaterial {
  public:
    // Loads a copy of the built tables, so parallel tests never meet each other's temporary
    // files. Throws when a file is missing.
    BuiltMaterial();

    data::DataFileStatus status() const { return status_; }
    const data::PracticeTables& tables() const { return *tables_; }
    const data::WubiTables& wubi() const { return tables_->wubi; }
    const data::PinyinTables& pinyin() const { return tables_->pinyin; }
    // The bytes the program reads: the file itself, or its plaintext.
    const std::string& plaintext(const std::string& file) const { return plaintext_.at(file); }

  private:
    testing::TempProgramFolder folder_;
    std::unique_ptr<data::PracticeTables> tables_;
    data::DataFileStatus status_;
    std::map<std::string, std::string> plaintext_;
};

// The lines of text ended by CR LF; tail receives what follows the last one.
std::vector<std::string_view> crlfLines(std::string_view text, std::string_view& tail);

// Whether bytes are GBK text without a fault (no stray byte, no unassigned code).
class GbkCheck {
  public:
    GbkCheck();
    ~GbkCheck();
    GbkCheck(const GbkCheck&) = delete;
    GbkCheck& operator=(const GbkCheck&) = delete;

    bool operator()(std::string_view text) const;

  private:
    iconv_t converter_;
};

// The characters of GBK text: two bytes for a Chinese one, one for ASCII.
std::vector<std::string> gbkCharacters(std::string_view text);

// GBK text as UTF-8, for messages and for comparing with UTF-8 literals.
std::string utf8(std::string_view gbk);

}  // namespace quorvin::material
