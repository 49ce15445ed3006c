#include "table_files.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "data/data_cipher.h"
#include "ui/gbk.h"

namespace quorvin::test {

ColumnLine& ColumnLine::bytesAt(std::size_t column, const std::string& bytes) {
    if (column < 1 || line_.size() > column - 1)
        throw std::logic_error("column " + std::to_string(column) + " already taken");
    line_.resize(column - 1, ' ');
    line_ += bytes;
    return *this;
}

ColumnLine& ColumnLine::at(std::size_t column, const std::string& utf8) {
    return bytesAt(column, gbk(utf8));
}

ColumnLine& ColumnLine::padTo(std::size_t length) {
    if (line_.size() < length) line_.resize(length, ' ');
    return *this;
}

std::string gbk(const std::string& utf8) {
    bool ok = true;
    std::string bytes = ui::toGbk(utf8, &ok);
    if (!ok) throw std::logic_error("not GBK: " + utf8);
    return bytes;
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void writeEnciphered(testing::TempProgramFolder& folder, const std::string& name,
                     const std::string& plaintext) {
    const std::vector<std::uint8_t> plain(plaintext.begin(), plaintext.end());
    const auto sealed = data::encipher(plain);
    folder.write(name, std::string(sealed.begin(), sealed.end()));
}

std::string wbOneLine(const std::vector<std::string>& codes, const std::string& utf8Char) {
    ColumnLine line;
    for (std::size_t i = 0; i < codes.size(); ++i)
        line.bytesAt(1 + 4 * i, codes[i]);
    return line.at(24, utf8Char).str();
}

std::string wbsLine(const std::vector<std::string>& codes, const std::string& utf8Char,
                    int animationNo) {
    ColumnLine line;
    for (std::size_t i = 0; i < codes.size(); ++i)
        line.bytesAt(1 + 4 * i, codes[i]);
    return line.at(24, utf8Char).bytesAt(29, std::to_string(animationNo)).str();
}

std::string wbCodeLine(const std::string& code, const std::string& utf8Text) {
    return ColumnLine().bytesAt(1, code).at(13, utf8Text).str();
}

std::string pysLine(const std::string& utf8Reading, const std::string& utf8Char,
                    const std::string& spellingWithTone) {
    return ColumnLine().at(1, utf8Reading).at(13, utf8Char).bytesAt(18, spellingWithTone).str();
}

std::string pyTwoLine(const std::string& spelling, const std::string& utf8Word,
                      const std::string& utf8Reading, const std::string& sounds) {
    return ColumnLine()
        .bytesAt(1, spelling)
        .at(13, utf8Word)
        .at(19, utf8Reading)
        .bytesAt(40, sounds)
        .str();
}

std::string pyMultiLine(const std::string& spelling, const std::string& utf8Phrase,
                        const std::string& utf8Reading, const std::string& sounds) {
    return ColumnLine()
        .bytesAt(1, spelling)
        .at(13, utf8Phrase)
        .at(33, utf8Reading)
        .padTo(84)
        .bytesAt(85, sounds)
        .str();
}

void writeSampleTables(testing::TempProgramFolder& folder) {
    folder.write("wb1.dat", crlfLines({gbk("工a"), gbk("了b")}));
    folder.write("wb2.dat", crlfLines({ColumnLine().at(1, "五gg").bytesAt(16, "1").str(),
                                       ColumnLine().at(1, "中kh").bytesAt(15, "12").str()}));
    // Two radicals, then six bytes of filler so both can be drawn.
    writeEnciphered(folder, "wbzg.dat", crlfLines({gbk("王g"), gbk("土f")}) + "\r\n    ");
    writeEnciphered(folder, "wbOne.dat",
                    crlfLines({wbOneLine({"g", "gggg"}, "一"), wbOneLine({"khk"}, "中")}));
    writeEnciphered(folder, "wbs.dat",
                    crlfLines({wbsLine({"g", "gggg"}, "一", 1), wbsLine({"k", "khk"}, "中", 2)}));
    writeEnciphered(folder, "wbTwo.dat",
                    crlfLines({wbCodeLine("khlg", "中国"), wbCodeLine("gggg", "一一")}));
    writeEnciphered(folder, "wbMulti.dat",
                    crlfLines({wbCodeLine("gngu", "一心一意"), wbCodeLine("wmwi", "人山人海")}));
    writeEnciphered(folder, "PYs.dat",
                    crlfLines({pysLine("zhōng", "中", "zhong1"), pysLine("guó", "国", "guo2")}));
    writeEnciphered(
        folder, "PYOne.dat",
        crlfLines({pysLine("zhōng", "中", "zhong1"), pysLine("zhòng", "中", "zhong4")}));
    writeEnciphered(folder, "PYTwo.dat",
                    crlfLines({pyTwoLine("zhongguo", "中国", "zhōngguó", "zhong1 guo2"),
                               pyTwoLine("dongxi", "东西", "dōngxi", "dong1 xi5")}));
    writeEnciphered(
        folder, "PYMulti.dat",
        crlfLines({pyMultiLine("yxyy", "一心一意", "yī xīn yī yì", "yi1 xin1 yi1 yi4"),
                   pyMultiLine("rsrh", "人山人海", "rén shān rén hǎi", "ren2 shan1 ren2 hai3")}));
}

}  // namespace quorvin::test
