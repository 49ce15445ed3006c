// The bytes of the built tables: every field in its own columns, blanks between, GBK, and read
// back by the program's loaders exactly as written.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "built_material.h"

namespace quorvin::material {
namespace {

constexpr std::size_t kToEnd = std::numeric_limits<std::size_t>::max();

enum class Align { Left, Right };

struct Field {
    const char* name;
    std::size_t first;
    std::size_t last;  // kToEnd: to the end of the line
    Align align = Align::Left;
    bool optional = false;
};

using Loaded = std::function<std::vector<std::string>(const BuiltMaterial&, int position)>;

struct Layout {
    std::string file;
    std::vector<Field> fields;
    // Raw tables: the length of every record without its CR LF. Line tables: 0.
    std::size_t recordLength = 0;
    // Line tables: what the loader made of the line at a position, field by field.
    Loaded loaded;
};

std::string withoutPrefix(const std::string& sound) {
    return sound.starts_with("MyPyWAV") ? sound.substr(7) : "(" + sound + ")";
}

std::string joinedSounds(std::span<const std::string> sounds) {
    std::string joined;
    for (const std::string& sound : sounds) {
        if (sound.empty()) break;
        joined += (joined.empty() ? "" : " ") + withoutPrefix(sound);
    }
    return joined;
}

const std::vector<Field> kCodes = {{"code1", 1, 4},
                                   {"code2", 5, 8, Align::Left, true},
                                   {"code3", 9, 12, Align::Left, true},
                                   {"code4", 13, 16, Align::Left, true}};

std::vector<Field> codesAnd(std::vector<Field> more) {
    std::vector<Field> fields = kCodes;
    fields.insert(fields.end(), more.begin(), more.end());
    return fields;
}

const std::vector<Layout>& layouts() {
    static const std::vector<Layout> kLayouts = {
        {"wb1.dat", {{"char", 1, 2}, {"code", 3, 3}}, 3, {}},
        {"wb2.dat", {{"char", 1, 2}, {"code", 3, 4}, {"animation", 9, 16, Align::Right}}, 16, {}},
        {"wbzg.dat", {{"radical", 1, 2}, {"key", 3, 3}}, 3, {}},
        {"wbOne.dat", codesAnd({{"char", 24, 25}}), 0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.wubi().WbOneTable[n];
             return std::vector<std::string>{e.Codes[0], e.Codes[1], e.Codes[2], e.Codes[3],
                                             e.Char};
         }},
        {"wbs.dat", codesAnd({{"char", 24, 25}, {"animation", 29, kToEnd}}), 0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.wubi().WbsTable[n];
             return std::vector<std::string>{e.Codes[0], e.Codes[1], e.Codes[2],
                                             e.Codes[3], e.Char,     std::to_string(e.AnimationNo)};
         }},
        {"wbTwo.dat",
         {{"code", 1, 12}, {"word", 13, kToEnd}},
         0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.wubi().WbTwoTable[n];
             return std::vector<std::string>{e.Code, e.Word};
         }},
        {"wbMulti.dat",
         {{"code", 1, 12}, {"phrase", 13, kToEnd}},
         0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.wubi().WbMultiTable[n];
             return std::vector<std::string>{e.Code, e.Phrase};
         }},
        {"PYs.dat",
         {{"reading", 1, 11}, {"char", 13, 14}, {"sound", 18, kToEnd}},
         0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.pinyin().PYsTable[n];
             return std::vector<std::string>{e.Reading, e.Char, withoutPrefix(e.Sound)};
         }},
        {"PYOne.dat",
         {{"reading", 1, 11}, {"char", 13, 14}, {"sound", 18, kToEnd}},
         0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.pinyin().PYOneTable[n];
             return std::vector<std::string>{e.Reading, e.Char, withoutPrefix(e.Sound)};
         }},
        {"PYTwo.dat",
         {{"spelling", 1, 12}, {"word", 13, 16}, {"reading", 19, 37}, {"sounds", 40, kToEnd}},
         0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.pinyin().PYTwoTable[n];
             return std::vector<std::string>{e.Spelling, e.Word, e.Reading, joinedSounds(e.Sounds)};
         }},
        {"PYMulti.dat",
         {{"spelling", 1, 12}, {"phrase", 13, 31}, {"reading", 33, 81}, {"sounds", 85, kToEnd}},
         0,
         [](const BuiltMaterial& m, int n) {
             const auto& e = m.pinyin().PYMultiTable[n];
             return std::vector<std::string>{e.Spelling, e.Phrase, e.Reading,
                                             joinedSounds(e.Sounds)};
         }},
    };
    return kLayouts;
}

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The field's text, or a description of what is wrong with its columns.
struct Cut {
    std::string text;
    std::string fault;
};

Cut cutField(std::string_view line, const Field& field, const GbkCheck& isGbk) {
    if (field.first > line.size()) return {"", field.optional ? "" : "missing"};
    std::string_view text =
        line.substr(field.first - 1, std::min(field.last, line.size()) - field.first + 1);
    if (text.find_first_not_of(' ') == std::string_view::npos)
        return {"", field.optional ? "" : "empty"};
    // Only the padding on the aligned side is the field's own blank space.
    text = field.align == Align::Left ? text.substr(0, text.find_last_not_of(' ') + 1)
                                      : text.substr(text.find_first_not_of(' '));
    if (isBlank(text.front()) || isBlank(text.back())) return {"", "blank at an end"};
    if (std::any_of(text.begin(), text.end(), [](char c) { return c >= 0 && c < 32; }))
        return {"", "control byte"};
    if (!isGbk(text)) return {"", "not GBK"};
    return {std::string(text), ""};
}

// Every byte of the line outside the fields' columns.
std::string betweenFields(std::string_view line, const std::vector<Field>& fields) {
    std::string between;
    for (std::size_t column = 1; column <= line.size(); ++column) {
        const bool inField = std::any_of(fields.begin(), fields.end(), [&](const Field& f) {
            return column >= f.first && column <= f.last;
        });
        if (!inField) between += line[column - 1];
    }
    return between;
}

class BuiltLayout : public ::testing::TestWithParam<std::size_t> {
  protected:
    const Layout& layout() const { return layouts()[GetParam()]; }

    BuiltMaterial material_;
    GbkCheck isGbk_;
};

TEST_P(BuiltLayout, EveryFieldFitsItsColumnsIsGbkAndReadsBackClean) {
    ASSERT_EQ(material_.status(), data::DataFileStatus::Ok);
    const Layout& table = layout();
    std::string_view tail;
    const auto lines = crlfLines(material_.plaintext(table.file), tail);
    ASSERT_FALSE(lines.empty()) << table.file;

    int faults = 0;
    const int kFaultsShown = 20;
    for (std::size_t i = 0; i < lines.size() && faults < kFaultsShown; ++i) {
        const std::string_view line = lines[i];
        const int position = static_cast<int>(i) + 1;
        const auto where = [&] { return table.file + " line " + std::to_string(position) + ": "; };
        if (table.recordLength != 0 && line.size() != table.recordLength) {
            ADD_FAILURE() << where() << line.size() << " bytes, a record has "
                          << table.recordLength;
            ++faults;
        }
        const std::string between = betweenFields(line, table.fields);
        if (between.find_first_not_of(' ') != std::string::npos) {
            ADD_FAILURE() << where() << "bytes between the fields are not blank: \"" << between
                          << "\"";
            ++faults;
        }
        std::vector<std::string> written;
        for (const Field& field : table.fields) {
            const Cut cut = cutField(line, field, isGbk_);
            if (!cut.fault.empty()) {
                ADD_FAILURE() << where() << field.name << ": " << cut.fault << " in \""
                              << utf8(line) << "\"";
                ++faults;
            }
            written.push_back(cut.text);
        }
        if (table.loaded) {
            const auto loaded = table.loaded(material_, position);
            if (loaded != written) {
                ADD_FAILURE() << where() << "the program reads it differently: \"" << utf8(line)
                              << "\"";
                ++faults;
            }
        }
    }
    EXPECT_LT(faults, kFaultsShown) << "further faults not shown";
}

// The program must see every line: a short or broken line would end its table early.
TEST_P(BuiltLayout, TheProgramLoadsEveryLineAndNothingElse) {
    ASSERT_EQ(material_.status(), data::DataFileStatus::Ok);
    const Layout& table = layout();
    const std::string& plaintext = material_.plaintext(table.file);
    std::string_view tail;
    const auto lines = static_cast<std::int64_t>(crlfLines(plaintext, tail).size());
    const auto& wubi = material_.wubi();
    const auto& pinyin = material_.pinyin();
    if (table.file == "wbzg.dat") {
        // The filler after the records must neither hide the last radical nor become one.
        const auto filler = plaintext.size() - static_cast<std::size_t>(lines) * 5;
        EXPECT_GE(filler, 5u);
        EXPECT_LE(filler, 9u);
        EXPECT_EQ(wubi.WbzgTable.count(), lines);
        return;
    }
    if (table.file == "wb1.dat" || table.file == "wb2.dat") {
        EXPECT_TRUE(tail.empty()) << table.file << ": a partial record after the last";
    } else {
        EXPECT_TRUE(tail.size() < 8 && tail.find_first_not_of('\0') == tail.npos)
            << table.file << ": after the last line only the cipher's zero padding may follow";
    }
    const std::map<std::string, std::int64_t> loaded = {
        {"wb1.dat", wubi.Wb1Table.count()},         {"wb2.dat", wubi.Wb2Table.count()},
        {"wbOne.dat", wubi.WbOneTable.End() - 1},   {"wbs.dat", wubi.WbsTable.End() - 1},
        {"wbTwo.dat", wubi.WbTwoTable.End() - 1},   {"wbMulti.dat", wubi.WbMultiTable.End() - 1},
        {"PYs.dat", pinyin.PYsTable.End() - 1},     {"PYOne.dat", pinyin.PYOneTable.End() - 1},
        {"PYTwo.dat", pinyin.PYTwoTable.End() - 1}, {"PYMulti.dat", pinyin.PYMultiTable.End() - 1},
    };
    EXPECT_EQ(loaded.at(table.file), lines) << table.file;
}

INSTANTIATE_TEST_SUITE_P(Tables, BuiltLayout, ::testing::Range<std::size_t>(0, layouts().size()),
                         [](const auto& info) {
                             std::string name = layouts()[info.param].file;
                             name.erase(name.find('.'));
                             return name;
                         });

}  // namespace
}  // namespace quorvin::material
