#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "program_folder.h"

// Practice-table files for tests, written the way the data builder writes them.
namespace quorvin::test {

// A fixed-column line: text placed at 1-based byte columns, spaces between.
class ColumnLine {
  public:
    // utf8 is converted to GBK.
    ColumnLine& at(std::size_t column, const std::string& utf8);
    // Raw bytes, not converted.
    ColumnLine& bytesAt(std::size_t column, const std::string& bytes);
    ColumnLine& padTo(std::size_t length);
    const std::string& str() const { return line_; }

  private:
    std::string line_;
};

std::string gbk(const std::string& utf8);

// Each line followed by CR LF.
std::string crlfLines(const std::vector<std::string>& lines);

// The plaintext enciphered under the program's key into the folder.
void writeEnciphered(testing::TempProgramFolder& folder, const std::string& name,
                     const std::string& plaintext);

// Lines of each table in the layout the loaders read clean.
std::string wbOneLine(const std::vector<std::string>& codes, const std::string& utf8Char);
std::string wbsLine(const std::vector<std::string>& codes, const std::string& utf8Char,
                    int animationNo);
std::string wbCodeLine(const std::string& code, const std::string& utf8Text);
std::string pysLine(const std::string& utf8Reading, const std::string& utf8Char,
                    const std::string& spellingWithTone);
std::string pyTwoLine(const std::string& spelling, const std::string& utf8Word,
                      const std::string& utf8Reading, const std::string& sounds);
std::string pyMultiLine(const std::string& spelling, const std::string& utf8Phrase,
                        const std::string& utf8Reading, const std::string& sounds);

// All eleven table files, a few entries each (counts in kSample*).
inline constexpr int kSampleWb1 = 2;
inline constexpr int kSampleWb2 = 2;
inline constexpr int kSampleWbzg = 2;
inline constexpr int kSampleLines = 2;
void writeSampleTables(testing::TempProgramFolder& folder);

// The eleven table files in start-up order.
inline const std::vector<std::string> kTableFiles = {
    "wb1.dat",     "wb2.dat", "wbzg.dat",  "wbOne.dat", "wbs.dat",    "wbTwo.dat",
    "wbMulti.dat", "PYs.dat", "PYOne.dat", "PYTwo.dat", "PYMulti.dat"};

}  // namespace quorvin::test
