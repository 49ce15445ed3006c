#include "mkdata/score_file.h"

#include <array>
#include <fstream>
#include <stdexcept>
#include <string>

namespace quorvin::mkdata {

namespace {

// GBK: "Quorvin 打字成绩记录".
constexpr std::string_view kTitle = "Quorvin \xB4\xF2\xD7\xD6\xB3\xC9\xBC\xA8\xBC\xC7\xC2\xBC";

struct Column {
    std::string_view caption;  // GBK
    std::size_t width;
};

// The second line names the columns of the result lines below it, each in its own columns:
// 用户, 打字类型, 打字时间, 打字总数, 正确率, 错误, 速度, 统计日期, 文章名.
constexpr std::array<Column, 9> kColumns = {{
    {"\xD3\xC3\xBB\xA7", 100},
    {"\xB4\xF2\xD7\xD6\xC0\xE0\xD0\xCD", 20},
    {"\xB4\xF2\xD7\xD6\xCA\xB1\xBC\xE4", 20},
    {"\xB4\xF2\xD7\xD6\xD7\xDC\xCA\xFD", 20},
    {"\xD5\xFD\xC8\xB7\xC2\xCA", 20},
    {"\xB4\xED\xCE\xF3", 20},
    {"\xCB\xD9\xB6\xC8", 20},
    {"\xCD\xB3\xBC\xC6\xC8\xD5\xC6\xDA", 40},
    {"\xCE\xC4\xD5\xC2\xC3\xFB", 100},
}};

std::string columnRuler() {
    std::string line;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        line += kColumns[i].caption;
        // The last caption ends the line without padding.
        if (i + 1 < kColumns.size())
            line.resize(line.size() + kColumns[i].width - kColumns[i].caption.size(), ' ');
    }
    return line;
}

}  // namespace

void buildScoreFile(const std::filesystem::path& outDir) {
    const std::filesystem::path file = outDir / kScoreFile;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << kTitle << "\r\n" << columnRuler() << "\r\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace quorvin::mkdata
